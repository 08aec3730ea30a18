#pragma once

#include <QColor>

class Label;
class QGroupBox;
class QListWidget;
class QWidget;

// The look of the shop counter: a dark wooden counter with light text. Only looks; no rule
// depends on it.
namespace shoplook {
inline const QColor kWindow{44, 34, 28};
inline const QColor kPanel{30, 22, 18};
inline const QColor kText{240, 232, 214};
inline const QColor kMessageBack{16, 16, 40};

void paintWindow(QWidget& window);
void styleTitle(Label& title);      // the facility's name over its picture
void styleMessage(Label& message);  // the message line and the ware description
void styleInfo(Label& info);        // quantity and money
void styleFrame(QGroupBox& frame);
void styleList(QListWidget& list);
}  // namespace shoplook
