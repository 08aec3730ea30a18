#pragma once

#include <QColor>

class Label;
class QGroupBox;
class QListWidget;
class QWidget;

// The look the party menus (items, status, magic) share: a night-blue window with light text,
// headings in a paler blue. Only looks; no rule depends on it.
namespace menulook {
inline const QColor kWindow{22, 28, 58};
inline const QColor kPanel{12, 16, 36};
inline const QColor kText{236, 236, 246};
inline const QColor kHeading{150, 186, 255};

void paintWindow(QWidget& window);
void styleHeading(Label& heading);  // the name of a value
void styleValue(Label& value);      // a value, or a line of text
void styleText(Label& text);        // a description box on a darker panel
void styleFrame(QGroupBox& frame);
void styleList(QListWidget& list);
}  // namespace menulook
