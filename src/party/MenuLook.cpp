#include "party/MenuLook.h"

#include <QFont>
#include <QGroupBox>
#include <QListWidget>
#include <QPalette>

#include "platform/Label.h"
#include "platform/Layout.h"

namespace menulook {

void paintWindow(QWidget& window) {
    setWindowColours(window, kWindow, kText);
}

void styleHeading(Label& heading) {
    heading.setTransparent(true);
    heading.setForeColor(kHeading);
    heading.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void styleValue(Label& value) {
    value.setTransparent(true);
    value.setForeColor(kText);
    value.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void styleText(Label& text) {
    text.setForeColor(kText);
    text.setBackColor(kPanel);
    text.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text.setWordWrap(true);
    text.setMargin(4);
}

void styleFrame(QGroupBox& frame) {
    QPalette pal = frame.palette();
    pal.setColor(QPalette::WindowText, kText);
    frame.setPalette(pal);
}

void styleList(QListWidget& list) {
    QPalette pal = list.palette();
    pal.setColor(QPalette::Base, kPanel);
    pal.setColor(QPalette::Text, kText);
    pal.setColor(QPalette::Highlight, QColor(70, 96, 170));
    pal.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    list.setPalette(pal);
    QFont f = list.font();
    f.setPixelSize(15);
    list.setFont(f);
    // Names keep their trailing spaces (fixed-width fields); they need no sideways scrolling.
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setTextElideMode(Qt::ElideNone);
}

}  // namespace menulook
