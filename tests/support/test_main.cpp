// Every test program runs with a real QApplication on the offscreen platform, so whole screens
// can be built, driven and drawn without a display.
#include <gtest/gtest.h>
#include <QApplication>

#include "platform/GameApplication.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    useGameFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
