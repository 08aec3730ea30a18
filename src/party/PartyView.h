#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

struct GameState;
class PictureBox;

// How the screens show party members: portrait cells, the selection frame and its colour by
// ailment, and how many portraits a screen shows.

// Portrait cell of a party portrait on the sheet "ca02.bmp" (96 × 96 cells): row
// Int(FaceNo / 11), column = last digit of FaceNo − 1, or 9 when that digit is 0.
QPoint portraitCell(int faceNo);

// Clears box and copies the 96 × 96 portrait of faceNo from sheet into it.
void drawPortrait(PictureBox& box, const QImage& sheet, int faceNo);

// The selection frame: four nested box outlines (k, k)–(92 − k, 92 − k), k = 0..3.
void drawSelectionFrame(PictureBox& box, QColor colour);

// Frame colour and name of an ailment code: 2 毒, 3 麻痺, 4 睡眠, 5 石化 with their colours; any
// other code なし in cyan (6 戦不 in red is given by markDownWhenOutOfHp).
QColor ailmentColour(int ailment);
QString ailmentName(int ailment);
inline QColor downColour() {
    return QColor(255, 0, 0);
}

struct AilmentShown {
    QColor colour;
    QString name;
};
// What the screens show for party position pos whose character is `character`: the ailment's
// colour and name, or — when that character's HP is below 1 — 戦不 in red, and the position's
// ailment code becomes 6.
AilmentShown showAilment(GameState& st, int pos, int character);

// Number of portraits shown: 4, or 3 when position 4 is empty, or 2 when position 3 is empty.
int shownCount(const GameState& st);
// PartyCount, at most 4.
int memberLimit(const GameState& st);
