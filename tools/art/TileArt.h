#pragma once

#include <QImage>

#include "world/Recipe.h"
#include "world/World.h"

// Paints one tile into a cell picture. Ground and feature tiles fill an opaque 32 x 32 picture;
// prop and block tiles draw on a transparent 32 x 32 picture, tall tiles on a transparent
// 64 x 64 picture (then hardened and outlined). `variant` is the autotile variant (bits N=1,
// E=2, S=4, W=8 set where the neighbour is of another kind), 0 for plain tiles. An unknown
// painter raises a ContentError naming the tile.
void paintTile(QImage& cell, const TileDef& tile, int variant);

// An object painted as a map tile would be (hardened and outlined) on a transparent picture of
// size x size (32 for props and blocks, 64 for tall objects), for use in larger pictures.
QImage objectSprite(const Recipe& r, int size);
// Draws an object of the tile painters smoothly into target on a larger picture (no hardening,
// no outline): cellSize is the object's own cell, 32 or 64.
void drawObjectAt(QPainter& p, const Recipe& r, const QRectF& target, int cellSize);
