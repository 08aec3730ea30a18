// The save screen on a small world: choosing slots, saving only where it is allowed, loading,
// clearing and ending, and games that survive full disks and broken slot files.

#include <sys/resource.h>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <csignal>

#include "core/DataLoad.h"
#include "core/Game.h"
#include "core/NewGame.h"
#include "core/TableFiles.h"
#include "platform/Label.h"
#include "save/SaveFile.h"
#include "save/SaveScreen.h"
#include "save/SaveSlots.h"
#include "story/TitleScreen.h"
#include "support/GameTest.h"
#include "support/SmallWorld.h"
#include "worldmap/MapScreen.h"
#include "worldmap/ShopScreen.h"

namespace {
const QString kNoSaveData = QStringLiteral("セーブデータがありません");

class SaveScreenTest : public GameTest {
  protected:
    SaveScreenTest() {
        writeSmallWorld(data);
        // The town and shop screens need readable sheets; the small maps are never drawn.
        QImage sheet(64, 64, QImage::Format_RGB32);
        sheet.fill(Qt::darkGreen);
        for (const char* name :
             {"ticp01.bmp", "tip100.bmp", "tip200.bmp", "tip200x.bmp", "tip300.bmp", "tip300x.bmp",
              "tip400.bmp", "tip400x.bmp", "ca02.bmp"})
            sheet.save(data.file(QString::fromLatin1(name)), "BMP");
        MasterFileNames{}.applyTo(st());
        Data_LoadAll(st());
        New_Game(st());  // アレン and リナ in front, two empty positions, two in reserve
        st().InTown = 1;
        st().CharLevel[0] = 3;
    }

    System_F& open(int saveAllowed = 0) {
        st().SaveAllowed = saveAllowed;
        System_F& s = game->form<System_F>();
        s.Show();
        return s;
    }
    // Saves the running game into `slot` from a save point.
    void saveInto(int slot) {
        System_F& s = open(1);
        s.Label1_Click(slot);
        s.Command1_Click(0);
        ASSERT_FALSE(s.isLoaded());
    }
    QStringList labels(System_F& s) const {
        QStringList out;
        for (int i = 1; i <= 5; ++i) out << s.Label1[i]->caption();
        return out;
    }
    static QStringList freeLabels() {
        return {" １．未登録", " ２．未登録", " ３．未登録", " ４．未登録", " ５．未登録"};
    }
    QString leaderLabel() const { return QStringLiteral(" Map_f01.map   アレン  Lv 3"); }
};
}  // namespace

TEST_F(SaveScreenTest, SavingNeedsASavePointOrTheChurchAndWorksOnce) {
    // From a menu or the title the Save button stays off, even when clicked.
    System_F& s = open(0);
    EXPECT_FALSE(s.Command1[0]->isEnabled());
    s.Label1_Click(1);
    s.Command1_Click(0);
    EXPECT_FALSE(data.exists(QStringLiteral("use1")));
    EXPECT_TRUE(pf.messages.isEmpty());
    s.Unload();

    open(1);  // slot 1 is still the chosen one
    ASSERT_TRUE(s.Command1[0]->isEnabled());
    s.Command1_Click(0);
    EXPECT_EQ(pf.messages, QStringList{QStringLiteral("No 1　にセーブします。")});
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(st().SaveAllowed, 0);
    EXPECT_EQ(data.readBytes(QStringLiteral("use1")), saveFileBytes(st()));

    // The next opening cannot save again, and neither can one after a window closed unsaved.
    open(st().SaveAllowed);
    EXPECT_FALSE(s.Command1[0]->isEnabled());
    s.Unload();
    open(1).Unload();
    EXPECT_EQ(st().SaveAllowed, 0);
}

TEST_F(SaveScreenTest, WithoutAChosenSlotOnlyEndActs) {
    System_F& s = open(1);
    EXPECT_EQ(s.selectedSlot(), 0);
    for (int i = 0; i < 3; ++i) s.Command1_Click(i);
    s.Label1_Click(2);
    s.Label1_Click(0);  // the heading chooses no slot
    for (int i = 0; i < 3; ++i) s.Command1_Click(i);
    EXPECT_TRUE(pf.messages.isEmpty());
    EXPECT_TRUE(pf.questions.isEmpty());
    EXPECT_TRUE(s.isLoaded());
    EXPECT_FALSE(data.exists(QStringLiteral("usex")));
    s.Command1_Click(3);
    EXPECT_EQ(pf.questions, QStringList{QStringLiteral("ゲームを終了しますか？")});
}

TEST_F(SaveScreenTest, TheChosenSlotIsColouredAndStaysChosenAtTheNextOpening) {
    System_F& s = open();
    s.Label1_Click(4);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(s.Label1[i]->backColor(), i == 4 ? QColor(252, 255, 15) : QColor(192, 255, 255));
    s.Unload();
    open();
    EXPECT_EQ(s.selectedSlot(), 4);
    EXPECT_EQ(s.Label1[4]->backColor(), QColor(252, 255, 15));
}

TEST_F(SaveScreenTest, LabelsNameTheMapAndLeaderAndSurviveBeingReadAgain) {
    // Without a label file every slot is free.
    System_F& s = open();
    EXPECT_EQ(labels(s), freeLabels());
    EXPECT_EQ(st().CurChar, 0);
    s.Unload();

    st().CurChar = 2;  // the screen names the leader, whoever acted last
    saveInto(3);
    open();
    QStringList expected = freeLabels();
    expected[2] = leaderLabel();
    EXPECT_EQ(labels(s), expected);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(st().SlotLabel[i], expected[i - 1]);
    shot(s, QStringLiteral("save_screen"));
}

TEST_F(SaveScreenTest, ClearingFreesTheSlotAfterItsQuestion) {
    saveInto(2);
    System_F& s = open();
    s.Label1_Click(2);
    pf.yesNoAnswers = {false};
    s.Command1_Click(2);
    EXPECT_EQ(pf.questions, QStringList{QStringLiteral("本当にセーブデータを消していいですね？")});
    EXPECT_TRUE(data.exists(QStringLiteral("use2")));
    EXPECT_EQ(s.Label1[2]->caption(), leaderLabel());

    pf.yesNoAnswers = {true};
    s.Command1_Click(2);
    EXPECT_FALSE(data.exists(QStringLiteral("use2")));
    EXPECT_EQ(s.Label1[2]->caption(), QStringLiteral(" ２．未登録"));
    s.Command1_Click(1);
    s.Command1_Click(2);
    EXPECT_EQ(pf.messages.mid(1), (QStringList{kNoSaveData, kNoSaveData}));
    EXPECT_EQ(pf.questions.size(), 2);
    s.Unload();
    EXPECT_EQ(labels(open()), freeLabels());
}

TEST_F(SaveScreenTest, EndStopsTheMusicWhateverTheAnswer) {
    M_Map& town = game->form<M_Map>();
    town.Show();
    System_F& s = game->form<System_F>();
    st().SaveAllowed = 1;
    onShow<System_F>([&](System_F& screen) {
        pf.mciCommands.clear();
        pf.yesNoAnswers = {false};
        screen.Command1_Click(3);
    });
    town.Command1_Click(3);
    // The game goes on in the town, which starts its music again as after any screen over it.
    EXPECT_EQ(pf.mciCommands.mid(0, 2), (QStringList{"stop bgm ", "close all"}));
    EXPECT_FALSE(s.isLoaded());
    EXPECT_EQ(game->forms().activeForm(), &town);
    EXPECT_EQ(st().SaveAllowed, 0);

    open();
    pf.yesNoAnswers = {true};
    s.Command1_Click(3);
    EXPECT_FALSE(town.isLoaded());
    EXPECT_EQ(game->forms().loadedForms(), std::vector<Form*>{&game->form<Taitol>()});
}

TEST_F(SaveScreenTest, LoadingBringsTheSavedTownGameBack) {
    GameState& s = st();
    s.Gold = 12.5;
    s.CharAilment[2] = 3;
    s.InvName[0] = Value(QStringLiteral("\"銘\" 入り\r\nの剣"));
    s.BgmFile = u'"' + s.DataPath + QStringLiteral("bgm01.wav\"");
    const QByteArray saved = saveFileBytes(s);
    saveInto(1);

    game->form<Taitol>().Show();  // stands where the title is
    s.Gold = 3;
    s.PartyMember[2] = Value(3);
    s.CharAttack[0] = 0;
    s.InvName[0] = Value();
    s.LoadFlag = 0;
    s.CurChar = 3;
    System_F& screen = open();
    pf.mciCommands.clear();
    screen.Label1_Click(1);
    screen.Command1_Click(1);

    EXPECT_EQ(saveFileBytes(s), saved);
    EXPECT_EQ(s.BgmFile, u'"' + s.DataPath + QStringLiteral("bgm01.wav\""));
    // Weapon and Strength, worked out again.
    EXPECT_EQ(s.CharAttack[0], s.EquipTable[1].EquipPower + s.CharacterTable[0].Strength);
    EXPECT_EQ(s.CharLevel[0], 1);  // the record's level
    EXPECT_EQ(s.CurChar, 0);
    EXPECT_EQ(s.LoadFlag, 1);
    EXPECT_EQ(pf.mciCommands.mid(0, 2), (QStringList{"stop bgm ", "close all"}));
    EXPECT_FALSE(screen.isLoaded());
    EXPECT_FALSE(game->form<Taitol>().isLoaded());
    EXPECT_TRUE(game->form<M_Map>().isLoaded());
    EXPECT_EQ(shown.back(), QStringLiteral("Main_Map"));
}

TEST_F(SaveScreenTest, AFullDiskLeavesThePreviousSaveAndLabelsIntact) {
    saveInto(1);
    const QByteArray oldSlot = data.readBytes(QStringLiteral("use1"));
    const QByteArray oldLabels = data.readBytes(QStringLiteral("usex"));
    st().Gold = 99999;
    System_F& s = open(1);
    s.Label1_Click(1);

    // The disk is "full" after 100 bytes, well before the end of the slot file.
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = old;
    tiny.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    s.Command1_Click(0);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(pf.messages.size(), 3);
    EXPECT_TRUE(pf.messages[2].startsWith(QStringLiteral("セーブできませんでした。\nuse1:")));
    EXPECT_EQ(data.readBytes(QStringLiteral("use1")), oldSlot);
    EXPECT_EQ(data.readBytes(QStringLiteral("usex")), oldLabels);
    // The player may try again: the screen and the permission stay.
    EXPECT_TRUE(s.isLoaded());
    EXPECT_EQ(st().SaveAllowed, 1);
    EXPECT_EQ(s.Label1[1]->caption(), leaderLabel());
}

TEST_F(SaveScreenTest, ABrokenSlotLeavesTheRunningGameExactlyAsItWas) {
    saveInto(1);
    const QByteArray good = data.readBytes(QStringLiteral("use1"));
    GameState& s = st();
    s.MapFileName = QStringLiteral("nowhere.map");
    const QByteArray onMissingMap = saveFileBytes(s);
    s.MapFileName = QStringLiteral("Map_f01.map");

    // The running game differs from the saved one in its values, grids and tables.
    s.Gold = 777;
    s.GroundGrid(1, 1) = Value(42);
    s.CharacterTable[0].Strength = 99;
    const QByteArray running = saveFileBytes(s);

    const struct {
        const char* what;
        QByteArray slot;  // empty: no slot file at all
    } cases[] = {
        {"missing", QByteArray()},
        {"short", good.left(good.size() / 2)},
        {"damaged", QByteArray(good).replace("\r\n2000\r\n", "\r\nabc\r\n")},
        {"saved on a missing map", onMissingMap},
    };
    System_F& screen = open();
    screen.Label1_Click(1);
    for (const auto& c : cases) {
        data.remove(QStringLiteral("use1"));
        if (!c.slot.isEmpty()) data.writeBytes(QStringLiteral("use1"), c.slot);
        pf.messages.clear();
        pf.mciCommands.clear();
        screen.Command1_Click(1);
        ASSERT_EQ(pf.messages.size(), 1) << c.what;
        EXPECT_TRUE(
            pf.messages[0].startsWith(QStringLiteral("No 1　のセーブデータを読み込めません。")))
            << c.what;
        EXPECT_TRUE(pf.mciCommands.isEmpty()) << c.what;
        EXPECT_EQ(saveFileBytes(s), running) << c.what;
        EXPECT_EQ(s.GroundGrid(1, 1), Value(42)) << c.what;
        EXPECT_EQ(s.CharacterTable[0].Strength, 99) << c.what;
        EXPECT_TRUE(screen.isLoaded()) << c.what;
        EXPECT_EQ(s.LoadFlag, 0) << c.what;
    }
}

TEST_F(SaveScreenTest, TheTownButtonOpensTheScreenWithoutSaving) {
    M_Map& town = game->form<M_Map>();
    town.Show();
    bool couldSave = true;
    onShow<System_F>([&](System_F& s) {
        couldSave = s.Command1[0]->isEnabled();
        s.Unload();
    });
    town.Command1_Click(3);
    EXPECT_FALSE(couldSave);
    EXPECT_EQ(game->forms().activeForm(), &town);
}

TEST_F(SaveScreenTest, TheChurchSavesAndALoadThereClosesTheShopToo) {
    M_Map& town = game->form<M_Map>();
    town.Show();
    st().ShopNo = 41;
    QString churchAfterSave;
    onShow<System_F>([&](System_F& s) {
        EXPECT_TRUE(s.Command1[0]->isEnabled());
        s.Label1_Click(5);
        s.Command1_Click(0);
    });
    onShow<System_F>([&](System_F& s) { s.Command1_Click(1); });  // slot 5 is still chosen
    onShow<mise>([&](mise& shop) {
        shop.List2_Click(0);
        churchAfterSave = shop.Label1->caption();
        shop.List2_Click(0);
    });
    game->form<mise>().Show(true);
    EXPECT_TRUE(data.exists(QStringLiteral("use5")));
    EXPECT_EQ(churchAfterSave, QStringLiteral("　よくいらっしゃいました。\r　何をいたしますか？"));
    EXPECT_FALSE(game->form<mise>().isLoaded());
    EXPECT_TRUE(town.isLoaded());
    EXPECT_EQ(st().LoadFlag, 1);
}
