#pragma once

#include <QImage>
#include <QSize>

#include "world/Recipe.h"

// Large pictures: battle backgrounds, facility interiors, story scene pictures, the opening
// picture, and the pictures of the title and game-over screens. The recipe's kind chooses the
// composition; its settings tune colours. Returns an opaque picture of the given size; an
// unknown kind raises a ContentError.
QImage sceneryPicture(const Recipe& r, QSize size);

// The title logo with the game's title written in a Japanese font (448 x 64).
QImage titleLogo(const QString& title, QSize size);
