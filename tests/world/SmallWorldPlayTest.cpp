// The small example world, whose maps were drawn only as Tiled maps: the generator makes its data
// folder, the data check finds nothing wrong, and a player goes from the title to its first
// scene through the real screens, with real key presses and mouse moves and clicks.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdio>

#include "core/DataCheck.h"
#include "core/Startup.h"
#include "field/FieldScreen.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "story/OpeningScreen.h"
#include "story/SceneScreen.h"
#include "story/TitleScreen.h"
#include "support/GameTest.h"
#include "world/ContentLoader.h"
#include "world/Generator.h"
#include "worldmap/MapPointer.h"
#include "worldmap/MapScreen.h"
#include "worldmap/WorldView.h"

namespace {

const QString kExample = QStringLiteral(HOSHIKAGE_EXAMPLE_WORLD_DIR);
constexpr int kForest = 8;

void send(QWidget* w, QEvent::Type type, Qt::Key key) {
    QKeyEvent e(type, key, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void mouse(QWidget* w, QEvent::Type type, QPoint at) {
    QMouseEvent e(
        type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

class SmallWorld : public GameTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(QDir(kExample + QStringLiteral("/maps")).entryList({QStringLiteral("*.txt")}),
                  QStringList())
            << "the example's maps are Tiled maps only";
        writeFileSet(generateWorld(loadWorld(kExample)), data.path());
    }
};

TEST_F(SmallWorld, PassesTheDataCheck) {
    std::FILE* out = std::tmpfile();
    EXPECT_EQ(runDataCheck(data.path(), out), 0);
    std::fclose(out);
}

TEST_F(SmallWorld, IsPlayedFromTheTitleToItsFirstScene) {
    Main(*game);
    Taitol& title = game->form<Taitol>();
    ASSERT_TRUE(title.isLoaded());
    mouse(title.Label2[0], QEvent::MouseButtonPress, QPoint(4, 4));
    mouse(title.Label2[0], QEvent::MouseButtonRelease, QPoint(4, 4));
    OPEN_G& opening = game->form<OPEN_G>();
    ASSERT_TRUE(opening.isLoaded()) << "New Game tells the opening";
    EXPECT_TRUE(opening.Label1->caption().startsWith(QStringLiteral("夏の夜、里の北の森に")));
    for (int clicks = 0; opening.isLoaded() && clicks < 10; ++clicks) opening.Label1_Click();

    // The world map shows the forest in its first view; pointing at it names it.
    M_Map& map = game->form<M_Map>();
    ASSERT_TRUE(map.isLoaded());
    const auto forest = findHotSpot(st(), kPlaceSpot, kForest);
    ASSERT_TRUE(forest);
    const QPoint at((forest->x() - map.scrollX()) * kWorldCell + 16,
                    (forest->y() - map.scrollY()) * kWorldCell + 16);
    ASSERT_TRUE(map.Picture1->rect().contains(at)) << "the forest is in the first view";
    mouse(map.Picture1, QEvent::MouseMove, at);
    EXPECT_EQ(map.Label1->caption(), QStringLiteral("ほたるの森"));
    mouse(map.Picture1, QEvent::MouseButtonPress, at);
    mouse(map.Picture1, QEvent::MouseButtonRelease, at);

    // In the forest the party walks north up the path into the firefly's cell.
    Main_Fr& field = game->form<Main_Fr>();
    ASSERT_TRUE(field.isLoaded());
    EXPECT_EQ(st().MapFileName, QStringLiteral("hotaru01.map"));
    Ev_frm& scene = game->form<Ev_frm>();
    send(field.M2_Map, QEvent::KeyPress, Qt::Key_Up);
    for (int ticks = 0; !scene.isLoaded() && ticks < 20; ++ticks) field.Timer1_Timer();
    send(field.M2_Map, QEvent::KeyRelease, Qt::Key_Up);
    ASSERT_TRUE(scene.isLoaded()) << "the party reached no scene; it stands at " << st().MapX << ","
                                  << st().MapY;
    EXPECT_EQ(scene.Label1->caption(), QStringLiteral("蛍の精「ようこそ、ほたるの森へ。」"));
    QStringList pages;
    for (int k = 0; scene.isLoaded() && k < 10; ++k) {
        pages << scene.Label1->caption();
        scene.Label1_Click();
    }
    EXPECT_EQ(pages.size(), 3);
    EXPECT_EQ(st().StoryProgress, 1) << "the scene was told in full";
    EXPECT_EQ(st().EventGrid(7, 5).toInt(), 0) << "and opened the way on";
}

}  // namespace
