#pragma once

class QWidget;

// Places a control: width, height, left and top in pixels, in that order. The control ends
// with exactly the four values, however it was placed before.
void Ctl_Set(QWidget* control, int width, int height, int left, int top);
