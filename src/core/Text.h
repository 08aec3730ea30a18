#pragma once

#include <QString>

// Cuts a text to width characters or fills it with spaces on the right (fixed-width fields).
QString fixedText(const QString& text, int width);

// Removes ASCII spaces at both ends (full-width spaces stay): how names are shown.
QString trimSpaces(const QString& text);

// Removes ASCII spaces at the start only.
QString trimLeadingSpaces(const QString& text);

// The last n characters (all of them when the text is shorter).
QString rightChars(const QString& text, int n);
