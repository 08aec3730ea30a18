#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <ostream>

#include "core/Value.h"

// Readable test failures for the game's values and Qt's texts.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (const QString& s : list) *os << "\n  \"" << s.toStdString() << '"';
    *os << " }";
}
inline void PrintTo(const QPoint& p, std::ostream* os) {
    *os << '(' << p.x() << ", " << p.y() << ')';
}
inline void PrintTo(const Value& v, std::ostream* os) {
    if (v.isEmpty())
        *os << "(empty)";
    else if (v.isText())
        *os << '"' << v.text().toStdString() << '"';
    else
        *os << v.text().toStdString();
}
