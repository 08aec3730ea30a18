#include "platform/DisplaySettings.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

QString settingsFilePath() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/hoshikage/settings.ini");
}

DisplaySettings loadDisplaySettings(const QString& iniPath) {
    QSettings ini(iniPath, QSettings::IniFormat);
    DisplaySettings s;
    bool ok = false;
    const int scale = ini.value(QStringLiteral("display/scale")).toInt(&ok);
    s.scale = (ok && scale >= 1 && scale <= 4) ? scale : 0;  // anything else: choose again
    s.fullScreen = ini.value(QStringLiteral("display/fullscreen"), false).toBool();
    return s;
}

bool saveDisplaySettings(const QString& iniPath, const DisplaySettings& settings) {
    QDir().mkpath(QFileInfo(iniPath).absolutePath());
    QSettings ini(iniPath, QSettings::IniFormat);
    if (settings.scale >= 1) ini.setValue(QStringLiteral("display/scale"), settings.scale);
    ini.setValue(QStringLiteral("display/fullscreen"), settings.fullScreen);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

int fittingScale(QSize available, QSize window) {
    int best = 1;
    for (int n = 2; n <= 4; ++n)
        if (window.width() * n <= available.width() && window.height() * n <= available.height())
            best = n;
    return best;
}

QSize probeAvailableScreen(int argc, char** argv) {
    // A short-lived application object only to ask the window system; the game's own one is
    // made afterwards, once the scale factor is known.
    int count = argc;
    QGuiApplication probe(count, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableSize() : QSize();
}
