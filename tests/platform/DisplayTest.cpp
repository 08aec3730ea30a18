#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>

#include "core/CommandLine.h"
#include "platform/DisplayMode.h"
#include "platform/DisplaySettings.h"
#include "platform/Form.h"
#include "platform/FormManager.h"

TEST(Display, TheDefaultScaleIsTheLargestThatFitsTheScreen) {
    const QSize window(816, 680);
    EXPECT_EQ(fittingScale(QSize(1366, 740), window), 1);
    EXPECT_EQ(fittingScale(QSize(1920, 1050), window), 1);  // 1360 rows do not fit
    EXPECT_EQ(fittingScale(QSize(2560, 1400), window), 2);
    EXPECT_EQ(fittingScale(QSize(3840, 2100), window), 3);
    EXPECT_EQ(fittingScale(QSize(7680, 4320), window), 4);  // never more than 4
    EXPECT_EQ(fittingScale(QSize(640, 480), window), 1);    // too small still plays at 1
}

TEST(Display, SettingsAreRememberedAndNonsenseIsChosenAgain) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("sub/settings.ini"));
    EXPECT_EQ(loadDisplaySettings(ini).scale, 0);  // nothing yet
    ASSERT_TRUE(saveDisplaySettings(ini, DisplaySettings{3, true}));
    DisplaySettings back = loadDisplaySettings(ini);
    EXPECT_EQ(back.scale, 3);
    EXPECT_TRUE(back.fullScreen);
    {
        QSettings edit(ini, QSettings::IniFormat);
        edit.setValue(QStringLiteral("display/scale"), QStringLiteral("huge"));
    }
    EXPECT_EQ(loadDisplaySettings(ini).scale, 0);

    auto cl = CommandLine::parse({"game", "--scale", "2", "--fullscreen"});
    EXPECT_EQ(cl.scale, 2);
    EXPECT_EQ(cl.fullScreen, true);
    EXPECT_FALSE(CommandLine::parse({"game", "--scale", "5"}).error.isEmpty());
    EXPECT_EQ(CommandLine::parse({"game", "--windowed"}).fullScreen, false);
}

TEST(Display, FullScreenShowsEveryWindowWithoutAFrameNowAndLater) {
    FormManager fm;
    Form town(fm, QStringLiteral("town")), shop(fm, QStringLiteral("shop"));
    town.Show();
    DisplayMode mode(fm);
    mode.setFullScreen(true);
    EXPECT_TRUE(town.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(town.isVisible());  // shown again after the frame changed
    shop.Show();
    EXPECT_TRUE(shop.windowFlags().testFlag(Qt::FramelessWindowHint));
    mode.setFullScreen(false);
    EXPECT_FALSE(town.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(shop.windowFlags().testFlag(Qt::FramelessWindowHint));
}

namespace {
// Counts the key presses that reach it.
struct KeyCounter : QObject {
    int presses = 0;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress) ++presses;
        return QObject::event(e);
    }
};
}  // namespace

TEST(Display, F11AndF12AreTheGamesOwnOtherKeysPassOn) {
    int toggles = 0, shots = 0;
    GameKeys keys([&] { ++toggles; }, [&] { ++shots; });
    KeyCounter target;
    target.installEventFilter(&keys);
    QKeyEvent f11(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier);
    QKeyEvent f12(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(&target, &f11);
    QCoreApplication::sendEvent(&target, &f12);
    QCoreApplication::sendEvent(&target, &left);
    QCoreApplication::sendEvent(&target, &held);  // a held key switches once
    EXPECT_EQ(toggles, 1);
    EXPECT_EQ(shots, 1);
    EXPECT_EQ(target.presses, 2);  // the arrow key and the held F11 reach the screen
}
