// Test-play on the sample world: a new game's party starts straight on a map, with the map stack
// a walk from the world map would have built, and F5 reads the tables and the map again.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>

#include "core/GameError.h"
#include "core/ShiftJis.h"
#include "core/TestPlay.h"
#include "field/FieldScreen.h"
#include "platform/PictureBox.h"
#include "support/GameTest.h"
#include "worldmap/MapScreen.h"

namespace {

// A press of F5 on the field's view, as the window system delivers it.
void pressF5(QWidget* view) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QApplication::sendEvent(view, &press);
}

class TestPlay : public GameTest {
  protected:
    void SetUp() override {
        const QDir world(sampleWorldDir());
        for (const QString& name : world.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(world.filePath(name), data.file(name))) << name.toStdString();
    }
};

TEST_F(TestPlay, FieldMapsStartWithTheWayBackOnTheMapStack) {
    StartOnMap(*game, QStringLiteral("mori001"), std::nullopt);
    ASSERT_TRUE(game->form<Main_Fr>().isLoaded());
    EXPECT_EQ(st().MapFileName, QStringLiteral("mori001.map"));
    EXPECT_EQ(QPoint(st().MapX, st().MapY), QPoint(23, 41)) << "the forest's entry";
    EXPECT_EQ(st().MapDepth, 1);
    EXPECT_EQ(st().StackMap[0].text(), QStringLiteral("Map_f01.map"));
    EXPECT_EQ(st().CurPlace, 8);
    EXPECT_EQ(st().PartyCount, 6) << "a new game's party";
    game->forms().unloadAll();

    // The shrine lies below the forest: its way back leads to the forest, beside its entrance.
    StartOnMap(*game, QStringLiteral("hokora01.map"), QPoint(12, 20));
    EXPECT_EQ(QPoint(st().MapX, st().MapY), QPoint(13, 20));
    EXPECT_EQ(st().MapDepth, 2);
    EXPECT_EQ(st().StackMap[1].text(), QStringLiteral("mori001.map"));
    EXPECT_EQ(st().StackArea[1].toInt(), 8);
    game->forms().unloadAll();

    // A floor of the tower is the tower's place on that floor; it needs a cell.
    EXPECT_THROW(StartOnMap(*game, QStringLiteral("tou03"), std::nullopt), GameError);
    StartOnMap(*game, QStringLiteral("tou03"), QPoint(12, 20));
    EXPECT_EQ(st().CurPlace, 14);
    EXPECT_EQ(st().FloorNo, 3);
    game->forms().unloadAll();

    EXPECT_THROW(StartOnMap(*game, QStringLiteral("nowhere"), QPoint(1, 1)), GameError);
}

TEST_F(TestPlay, TheWorldMapAndTownsOpenOnTheOverheadMap) {
    StartOnMap(*game, QStringLiteral("town01"), QPoint(0, 3));
    M_Map& overhead = game->form<M_Map>();
    ASSERT_TRUE(overhead.isLoaded());
    EXPECT_EQ(st().MapFileName, QStringLiteral("town01.map"));
    EXPECT_EQ(QPoint(overhead.scrollX(), overhead.scrollY()), QPoint(0, 3));
    game->forms().unloadAll();
    StartOnMap(*game, QStringLiteral("Map_f01"), std::nullopt);
    EXPECT_EQ(QPoint(game->form<M_Map>().scrollX(), game->form<M_Map>().scrollY()), QPoint(35, 0));
}

TEST_F(TestPlay, F5ReadsTheTablesAndTheMapAgainAndABrokenFileChangesNothing) {
    ReloadKey reload(*game);
    qApp->installEventFilter(&reload);
    StartOnMap(*game, QStringLiteral("mori001"), std::nullopt);
    Main_Fr& field = game->form<Main_Fr>();
    const int before = int(st().GroundGrid(0, 0).toInt());

    // The author changes the forest's first cell and a place name, and presses F5.
    QByteArray map = data.readBytes(QStringLiteral("mori001.map"));
    const int firstCell = map.indexOf("\r\n") + 2;
    map.replace(firstCell, map.indexOf(',', firstCell) - firstCell, QByteArray::number(before + 1));
    data.writeBytes(QStringLiteral("mori001.map"), map);
    QByteArray names = data.readBytes(QStringLiteral("timei_F"));
    data.writeBytes(QStringLiteral("timei_F"),
                    names.replace(toShiftJis(QStringLiteral("エルセア大陸")),
                                  toShiftJis(QStringLiteral("エルセア島"))));
    pressF5(field.M2_Map);
    EXPECT_EQ(st().GroundGrid(0, 0).toInt(), before + 1);
    EXPECT_EQ(st().PlaceName[0].text(), QStringLiteral("エルセア島"));
    EXPECT_EQ(QPoint(st().MapX, st().MapY), QPoint(23, 41)) << "the party stays";

    // A map cut short is told and leaves the game as it was.
    data.writeBytes(QStringLiteral("mori001.map"), map.left(map.size() / 2));
    pressF5(field.M2_Map);
    ASSERT_EQ(pf.messages.size(), 1);
    EXPECT_TRUE(pf.messages[0].startsWith(QStringLiteral("mori001.map")))
        << pf.messages[0].toStdString();
    EXPECT_EQ(st().GroundGrid(0, 0).toInt(), before + 1);
    EXPECT_TRUE(field.isLoaded());
    qApp->removeEventFilter(&reload);
}

}  // namespace
