#pragma once

#include <QString>

#include "core/GameState.h"

// Rows of the master tables written straight into the state, for tests that need a few pieces of
// equipment, items or spells. Names are filled to their 20 characters; descriptions are the name
// followed by "の説明".

EquipRecord& putEquip(GameState& st, int n, const QString& name, int power, int slot,
                      int classMask = 0);
ItemRecord& putItem(GameState& st, int n, const QString& name, int effect, int power, int keep);
MagicRecord& putSpell(GameState& st, int n, const QString& name, int kind, int effect, int power,
                      int cost, int icon);
