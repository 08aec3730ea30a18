#pragma once

#include <QImage>
#include <QPainter>

#include "world/Recipe.h"

// Walking figures: the party sprite sheet and the people and creatures that stand on the maps.

// Draws a person seen from above-front. facing: 0 up (back), 1 right, 2 down (front), 3 left;
// frame 0 or 1 is the step. The figure stands with its feet at `feet`; at scale 1 it is about
// 56 pixels tall. The look recipe sets hair, skin, tunic, legs, cape, style and item colours.
void drawPerson(QPainter& p, const Recipe& look, int facing, int frame, double scale, QPointF feet);

// The party sprite sheet: 2 columns (steps) x 4 rows (up, right, down, left) of 48 x 64 cells,
// hardened and outlined, on a transparent background.
QImage partySprites(const Recipe& look);

// People, creatures and boss figures for 32 x 32 map cells ("person", "owl", "monster"
// recipes), on a painter whose coordinates span one cell. Returns false for other kinds.
bool drawSmallSprite(QPainter& p, const Recipe& r);
