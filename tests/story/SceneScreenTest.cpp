// The scene screen: told in full up to the threshold and short afterwards, the pages and their
// faces, the gifts, and the way ahead that the story's steps open.
#include <QImage>

#include "core/TableFiles.h"
#include "core/ValueReader.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "story/SceneScreen.h"
#include "story/StoryFixture.h"
#include "support/TableRows.h"

namespace {
QColor pixel(PictureBox& box, int x, int y) {
    return QColor(box.surface().pixel(x, y));
}

class SceneScreen : public StoryTest {};
}  // namespace

TEST_F(SceneScreen, TellsTheStoryOnceThenOnlyTheShortText) {
    putScene(1, 0, {{Value(12), "一"}, {Value(13), "二"}});
    Ev_frm& scene = openScene(1);
    EXPECT_FALSE(scene.showsShortText());
    EXPECT_EQ(scene.Label1->caption(), "一");
    EXPECT_EQ(pixel(*scene.Picture1, 400, 300), kSceneColour);
    // The party stops; the way it faced is kept for the cell ahead.
    EXPECT_EQ(st().MoveDir, 0);
    EXPECT_EQ(st().SavedDirection, 1);

    EXPECT_EQ(readToEnd(scene), (QStringList{"二", ""}));
    EXPECT_EQ(st().StoryProgress, 1);
    EXPECT_TRUE(wayAheadOpen());
    EXPECT_EQ(st().CellLogCount, 1);
    EXPECT_EQ(st().CellLog(1, 0), Value("mori001.map"));

    openScene(1);
    EXPECT_TRUE(scene.showsShortText());
    EXPECT_EQ(scene.Label1->caption(), "短い話1");
    EXPECT_EQ(readToEnd(scene).size(), 1);
    EXPECT_EQ(st().StoryProgress, 1);
    EXPECT_EQ(st().CellLogCount, 1);
}

TEST_F(SceneScreen, IsToldAgainWhileTheProgressHasNotPassedTheThreshold) {
    putScene(4, 5, {{Value(), "封印"}});
    st().StoryProgress = 2;
    Ev_frm& scene = openScene(4);
    readToEnd(scene);
    EXPECT_EQ(st().StoryProgress, 3);
    openScene(104);  // the last two digits name the scene
    EXPECT_FALSE(scene.showsShortText());
    EXPECT_EQ(scene.Label1->caption(), "封印");
    readToEnd(scene);
    EXPECT_EQ(st().StoryProgress, 4);
}

TEST_F(SceneScreen, TheGuideIsToldEveryTimeAndChangesNothing) {
    putScene(8, std::nullopt, {{Value(), "旅の心得"}});
    st().StoryProgress = 6;
    for (int k = 0; k < 2; ++k) {
        Ev_frm& scene = openScene(8);
        EXPECT_FALSE(scene.showsShortText());
        readToEnd(scene);
    }
    EXPECT_EQ(st().StoryProgress, 6);
    EXPECT_EQ(st().ItemCount, 0);
    EXPECT_EQ(st().CellLogCount + st().OpenLogCount, 0);
    // Without a threshold a scene is told until the progress passes 99.
    st().StoryProgress = 100;
    EXPECT_TRUE(openScene(8).showsShortText());
}

TEST_F(SceneScreen, SceneThreeHandsOverTheStaffAndTheFirstGiftOpensTheWay) {
    putEquip(st(), 37, QStringLiteral("癒しの錫杖"), 12, 1);
    putScene(3, 3, {{Value(), "祭壇"}});
    for (int slot = 0; slot <= 9; ++slot) st().InvItem[slot] = Value(102);
    st().ItemCount = 10;
    st().StoryProgress = 3;
    readToEnd(openScene(3));

    // The new last entry, unsorted.
    EXPECT_EQ(st().ItemCount, 11);
    EXPECT_EQ(st().InvItem[11], Value(37));
    EXPECT_EQ(st().InvName[11].text().trimmed(), "癒しの錫杖");
    EXPECT_EQ(st().InvKind[11], Value(1));
    EXPECT_EQ(st().InvPower[11], Value(12));
    EXPECT_TRUE(st().InvItem[10].isBlank());
    EXPECT_EQ(st().EventGiftCount, 1);
    EXPECT_EQ(st().StoryProgress, 4);
    // The altar is left as an opened chest, and the fourth step opens the way past it.
    EXPECT_EQ(st().OpenLogCount, 1);
    EXPECT_EQ(st().FeatureGrid(kAheadColumn, kAheadRow), Value(1506));
    EXPECT_TRUE(wayAheadOpen());
}

TEST_F(SceneScreen, AGiftWithNoRoomLeavesTheSceneToBeToldAgain) {
    putEquip(st(), 30, QStringLiteral("星影の剣"), 30, 1);
    putScene(5, 4, {{Value(), "剣"}});
    for (int slot = 0; slot <= 49; ++slot) st().InvItem[slot] = Value(102);
    st().ItemCount = 50;
    st().StoryProgress = 4;
    Ev_frm& scene = openScene(5);
    readToEnd(scene);
    EXPECT_EQ(pf.messages, QStringList{"これ以上アイテムを持つことはできません"});
    EXPECT_EQ(st().ItemCount, 50);
    EXPECT_EQ(st().StoryProgress, 4);
    EXPECT_EQ(st().EventGiftCount, 0);
    EXPECT_EQ(st().OpenLogCount, 0);
    EXPECT_FALSE(openScene(5).showsShortText());
}

TEST_F(SceneScreen, EachPageShowsItsFaceAndAnEmptyFaceShowsAnEmptyBox) {
    putScene(2, 9, {{Value(12), "a"}, {Value(23), "b"}, {Value(20), "c"}, {Value(), "d"}});
    Ev_frm& scene = openScene(2);
    const QColor blank = scene.Picture3->backColor();
    EXPECT_EQ(pixel(*scene.Picture3, 0, 0), faceColour(1, 1));
    EXPECT_EQ(pixel(*scene.Picture3, 95, 95), faceColour(1, 1));
    scene.Label1_Click();
    EXPECT_EQ(pixel(*scene.Picture3, 48, 48), faceColour(2, 2));
    scene.Label1_Click();  // a last digit 0 selects no cell
    EXPECT_EQ(pixel(*scene.Picture3, 48, 48), blank);
    scene.Label1_Click();
    EXPECT_EQ(pixel(*scene.Picture3, 48, 48), blank);

    // The short text shows the face of the page numbered like the scene.
    scene.Unload();
    st().StoryProgress = 10;
    openScene(2);
    EXPECT_EQ(pixel(*scene.Picture3, 48, 48), faceColour(2, 2));
}

// Quotes are not part of a value: a face code or a threshold written in quotes is still its number.
TEST_F(SceneScreen, NumbersWrittenInQuotesAreNumbers) {
    data.writeLines("Sene_F", {R"("scene.bmp",,"一",0,0,0,0,"23",0,0,0,"短い話","5",0)", R"("")"});
    ValueReader in = ValueReader::open(data.file(QStringLiteral("Sene_F")));
    Sene_Load(in, st());
    st().StoryProgress = 5;
    Ev_frm& scene = openScene(1);
    EXPECT_FALSE(scene.showsShortText());
    EXPECT_EQ(pixel(*scene.Picture3, 48, 48), faceColour(2, 2));
}

TEST_F(SceneScreen, ALongSceneShowsEveryPage) {
    std::vector<Page> pages;
    for (int j = 1; j <= 25; ++j) pages.push_back({Value(), QString::number(j)});
    putScene(9, 9, pages);
    const QStringList captions = readToEnd(openScene(9));
    EXPECT_EQ(captions.size(), 25);
    EXPECT_EQ(captions[23], "25");
    EXPECT_EQ(st().StoryProgress, 1);
}
