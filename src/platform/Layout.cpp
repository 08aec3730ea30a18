#include "platform/Layout.h"

#include <QPalette>
#include <QWidget>

void Ctl_Set(QWidget* control, int width, int height, int left, int top) {
    if (!control) return;
    control->resize(width, height);
    control->move(left, top);
}

void setWindowColours(QWidget& window, QColor back, QColor text) {
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::WindowText, text);
    window.setPalette(pal);
    window.setAutoFillBackground(true);
}
