#pragma once

#include <QByteArray>
#include <QString>

// Every file of the game is Shift_JIS on disk; inside the program text is QString. These two
// functions are the only place where the two meet.
QString fromShiftJis(const QByteArray& bytes);
QByteArray toShiftJis(const QString& text);
