#include "platform/Layout.h"

#include <QWidget>

void Ctl_Set(QWidget* control, int width, int height, int left, int top) {
    if (!control) return;
    control->resize(width, height);
    control->move(left, top);
}
