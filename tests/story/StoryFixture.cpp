#include "story/StoryFixture.h"

#include <QImage>

#include "platform/Label.h"
#include "story/SceneScreen.h"
#include "support/SmallWorld.h"

StoryTest::StoryTest() {
    writeSmallWorld(data);  // for the title, which reads every table afresh
    QImage sheet(10 * 96, 4 * 96, QImage::Format_RGB32);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 10; ++column)
            for (int y = 0; y < 96; ++y)
                for (int x = 0; x < 96; ++x)
                    sheet.setPixel(column * 96 + x, row * 96 + y, faceColour(column, row).rgb());
    sheet.save(data.file(QStringLiteral("ca02.bmp")), "BMP");
    QImage picture(768, 480, QImage::Format_RGB32);
    picture.fill(kSceneColour);
    picture.save(data.file(QStringLiteral("scene.bmp")), "BMP");

    st().MapFileName = QStringLiteral("mori001.map");
    st().MapSize = 20;
    st().MapX = 10;
    st().MapY = 10;
    st().MoveDir = 1;
    st().BlockGrid(kAheadColumn, kAheadRow) = Value(1201);
    st().EventGrid(kAheadColumn, kAheadRow) = Value(501);
}

QColor StoryTest::faceColour(int column, int row) {
    return QColor(20 * column + 10, 50 * row + 20, 200);
}

void StoryTest::putScene(int n, std::optional<int> threshold, const std::vector<Page>& pages) {
    st().ScenePicture[n] = Value("scene.bmp");
    st().SceneParam(n, 1, 8) = Value(QStringLiteral("短い話%1").arg(n));
    st().SceneParam(n, 1, 9) = threshold ? Value(*threshold) : Value();
    int j = 1;
    for (const Page& p : pages) {
        st().SceneLine(n, j) = Value(p.text);
        st().SceneParam(n, j, 4) = p.face;
        ++j;
    }
    st().SceneLine(n, j) = Value();
}

Ev_frm& StoryTest::openScene(int code) {
    st().EventCode = code;
    Ev_frm& scene = game->form<Ev_frm>();
    scene.Show();
    return scene;
}

QStringList StoryTest::readToEnd(Ev_frm& scene) {
    QStringList captions;
    for (int clicks = 0; scene.isLoaded() && clicks < 40; ++clicks) {
        scene.Label1_Click();
        captions << scene.Label1->caption();
    }
    EXPECT_FALSE(scene.isLoaded()) << "the scene did not end";
    return captions;
}

void StoryTest::putCompanions() {
    for (int c : {4, 5}) {
        CharacterRecord& r = st().CharacterTable[c];
        r.CharName = c == 4 ? QStringLiteral("サリア") : QStringLiteral("ファンロス");
        r.Level = c;
        r.MaxHP = 10 * c;
        r.MaxMP = c;
    }
}

bool StoryTest::wayAheadOpen() const {
    const GameState& s = game->state();
    return s.BlockGrid(kAheadColumn, kAheadRow) == Value(0) &&
           s.EventGrid(kAheadColumn, kAheadRow) == Value(0);
}
