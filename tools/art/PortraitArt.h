#pragma once

#include <QImage>

#include "world/Recipe.h"

// A 96 x 96 portrait (opaque) for the portrait sheets: background, shoulders, face, hair and
// accessories from a recipe such as "face hair=#c04030 style=long eyes=#3070c0 tunic=#305080".
QImage facePicture(const Recipe& look);
