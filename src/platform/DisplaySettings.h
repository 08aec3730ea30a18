#pragma once

#include <QSize>
#include <QString>

// How the game's windows are shown, remembered between runs: the window scale (whole numbers,
// sharp pixels) and whether the game plays full screen.
struct DisplaySettings {
    int scale = 0;  // 1..4; 0 = not chosen yet (the game picks what fits the screen)
    bool fullScreen = false;
};

// The settings file: $XDG_CONFIG_HOME/hoshikage/settings.ini (or ~/.config/…).
QString settingsFilePath();
DisplaySettings loadDisplaySettings(const QString& iniPath);
// Returns false when the file cannot be written (the game goes on with its settings).
bool saveDisplaySettings(const QString& iniPath, const DisplaySettings& settings);

// The largest scale 1..4 at which a window of the given size fits the available screen area
// (1 when even that does not fit).
int fittingScale(QSize available, QSize window);

// The size of the primary screen's available area, asked of the window system before the game's
// own application object exists (an empty size when there is no screen).
QSize probeAvailableScreen(int argc, char** argv);
