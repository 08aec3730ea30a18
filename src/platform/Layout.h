#pragma once

#include <QColor>

class QWidget;

// Places a control: width, height, left and top in pixels, in that order. The control ends
// with exactly the four values, however it was placed before.
void Ctl_Set(QWidget* control, int width, int height, int left, int top);

// Paints a screen's background in `back` with `text` as its ordinary text colour (the screen's own
// look; controls that set their own colours keep them).
void setWindowColours(QWidget& window, QColor back, QColor text);
