#include "worldmap/ShopLook.h"

#include <QFont>
#include <QGroupBox>
#include <QListWidget>
#include <QPalette>

#include "platform/Label.h"
#include "platform/Layout.h"

namespace shoplook {

void paintWindow(QWidget& window) {
    setWindowColours(window, kWindow, kText);
}

void styleTitle(Label& title) {
    title.setTransparent(true);
    title.setForeColor(QColor(255, 255, 255));
    QFont f = title.font();
    f.setPixelSize(28);
    f.setBold(true);
    title.setFont(f);
}

void styleMessage(Label& message) {
    message.setForeColor(kText);
    message.setBackColor(kMessageBack);
    QFont f = message.font();
    f.setPixelSize(16);
    message.setFont(f);
}

void styleInfo(Label& info) {
    info.setTransparent(true);
    info.setForeColor(kText);
    info.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont f = info.font();
    f.setPixelSize(15);
    info.setFont(f);
}

void styleFrame(QGroupBox& frame) {
    QPalette pal = frame.palette();
    pal.setColor(QPalette::WindowText, kText);
    pal.setColor(QPalette::Base, kPanel);  // the option circles: dark, the chosen one dotted
    pal.setColor(QPalette::Text, kText);
    frame.setPalette(pal);
}

void styleList(QListWidget& list) {
    QFont f = list.font();
    f.setPixelSize(15);
    list.setFont(f);
    // Names keep the trailing spaces of their fixed-width fields; they need no sideways scroll.
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setTextElideMode(Qt::ElideNone);
}

}  // namespace shoplook
