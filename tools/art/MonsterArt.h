#pragma once

#include <QImage>

#include "world/Recipe.h"

// Monster figures for the battle sheets, on transparent 128 x 128 pictures (hardened and
// outlined, kept at least 6 pixels inside the cell). pose 0 stands, 1 is hit (flash and
// recoil), 2 is defeated (collapsed and greyed). The recipe's kind is the body plan: slime,
// beast, bird, bat, plant, bug, spider, skeleton, golem, ghost, serpent, mage, mushroom, eye,
// dragon, knight. An unknown kind raises a ContentError.
QImage monsterPicture(const Recipe& look, int pose);
