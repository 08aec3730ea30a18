#pragma once

#include <QImage>

#include "art/Paint.h"
#include "world/Recipe.h"

// The painters of the tile catalogue. Ground painters fill an opaque 32 x 32 cell; object
// painters draw on a transparent cell (32 x 32, or 64 x 64 for tall objects).

// Small drawing steps shared by the painters.
void speckle(QImage& img, const QRect& r, QColor c, int count, Rng& rng, int size = 1);
void hline(QImage& img, int x0, int x1, int y, QColor c);
void vline(QImage& img, int x, int y0, int y1, QColor c);

// Ground (GroundArt.cpp).
void paintGrass(QImage& img, const Recipe& r, Rng& rng);
void paintEarth(QImage& img, const Recipe& r, Rng& rng);
void paintSand(QImage& img, const Recipe& r, Rng& rng);
void paintFlagstone(QImage& img, const Recipe& r, Rng& rng);
void paintCaveFloor(QImage& img, const Recipe& r, Rng& rng);
void paintPlanks(QImage& img, const Recipe& r, Rng& rng);
void paintCobble(QImage& img, const Recipe& r, Rng& rng);
void paintVoid(QImage& img, const Recipe& r, Rng& rng);
void paintWater(QImage& img, const Recipe& r, int variant, Rng& rng);
void paintWall(QImage& img, const Recipe& r, int variant, Rng& rng);
void paintRoof(QImage& img, const Recipe& r, int variant, Rng& rng);
void paintHouseWall(QImage& img, const Recipe& r, Rng& rng);
void paintBridge(QImage& img, const Recipe& r, Rng& rng);
// Paints the ground named by a recipe such as "flagstone base=#808088" (used as the floor
// under features).
void paintGroundRecipe(QImage& img, const Recipe& r, Rng& rng);

// Features (FeatureArt.cpp): opaque cells that draw their own floor first.
void paintFeature(QImage& img, const Recipe& r, Rng& rng);

// Props and blocks (ObjectArt.cpp) on a painter whose coordinates span one 32 x 32 cell, and
// tall objects (TallArt.cpp) on one that spans 64 x 64, so that tiles and larger pictures draw
// the same objects. They return false for a kind they do not know.
bool drawObject(QPainter& p, const Recipe& r, Rng& rng);
bool drawTall(QPainter& p, const Recipe& r, Rng& rng);
