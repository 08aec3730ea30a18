#pragma once

#include <QString>

class FormManager;
class QWidget;

// Saves a PNG of a screen (its client area as drawn). Returns false when it cannot be written.
bool saveScreenshot(QWidget& screen, const QString& file);

// After delayMs, saves a PNG of the active screen to file and ends the program (status 0 when
// the picture was written, 1 otherwise).
void scheduleScreenshotAndExit(FormManager& forms, const QString& file, int delayMs);
