#pragma once

#include <QImage>

#include "world/Recipe.h"

// A spell effect on a transparent 64 x 64 picture (hardened, kept 4 pixels inside the cell):
// burst, shards, bolt, stars, sparkle, shield, wind, holy, ring, meteor, petal.
QImage effectPicture(const Recipe& r);
