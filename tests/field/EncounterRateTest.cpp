// Random battles on the real machine's generator: over many steps they come at the place's rate,
// a bump against a wall counting as a step.
#include <QTest>
#include <random>

#include "FieldFixture.h"
#include "battle/BattleScreen.h"
#include "platform/PictureBox.h"
#include "platform/QtPlatform.h"

namespace {
class EncounterRate : public FieldTest {};
}  // namespace

TEST_F(EncounterRate, BattlesComeAtThePlacesRate) {
    readyBattles();
    // Small sheets: every battle opened here loads them.
    for (const char* sheet : {"enpty02.jpeg", "enpty02x.jpeg", "Mahou01.jpeg", "Mahou01x.jpeg"}) {
        QImage small(128, 384, QImage::Format_RGB32);
        small.fill(Qt::black);
        small.save(data.file(QLatin1String(sheet)), "BMP");
    }
    FieldMap(9).write(data, "cave.map");
    st().PlaceEncounter[kPlace] = Value(5);  // as in the forest
    st().MapFileName = QStringLiteral("cave.map");
    st().MapX = 5;
    st().MapY = 4;

    QtPlatform::Options silent;
    silent.audio = false;
    QtPlatform machine(silent);
    Game real(machine);
    real.state() = st();
    real.dataDirOverride = game->dataDirOverride;
    int battles = 0;
    real.forms().setShowHook([&](Form& f) {
        if (f.name() != QStringLiteral("戦闘")) return;
        ++battles;
        f.Unload();
    });
    Main_Fr& f = real.form<Main_Fr>();
    f.Show();
    ASSERT_EQ(real.state().EncounterRate, 5);

    // The player wanders the walled room: a new arrow key now and then (the test's own choice,
    // from a fixed seed), held for every step, so that many steps end against a wall.
    std::mt19937 player(2024);
    const int keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
    constexpr int kSteps = 2500;
    int key = Qt::Key_Down, bumps = 0;
    for (int step = 0; step < kSteps; ++step) {
        if (step % 7 == 0) key = keys[player() % 4];
        QTest::keyPress(f.M2_Map, static_cast<Qt::Key>(key));
        const int x = real.state().MapX, y = real.state().MapY;
        f.Timer1_Timer();
        if (real.state().MapX == x && real.state().MapY == y) ++bumps;
    }
    f.Unload();
    EXPECT_GT(bumps, kSteps / 10);
    // 125 battles are expected (standard deviation 10.9); 60 either way happens by chance about
    // once in twenty million runs.
    EXPECT_GT(battles, 65);
    EXPECT_LT(battles, 185);
}
