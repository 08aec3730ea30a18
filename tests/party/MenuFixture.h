#pragma once

#include <QColor>
#include <QString>

#include "support/GameTest.h"
#include "support/TableRows.h"

class PictureBox;
class QWidget;

// The party menus on a small party: a portrait sheet whose cells can be told apart by colour,
// and in the state characters 0..7 (joined, no equipment unless a test gives some), equipment,
// items and spells the tests fill in. Positions 1..n hold characters 0..n-1.
//
// Characters: 0 アレン (group 0, class 1), 1 リナ (group 1, class 2), 2 ゴードン (group 2,
// class 3), 3 ミア (group 3, class 4), 4..7 控え4..控え7 (group 5, class 5); all level 1 with
// 60 HP and 20 MP, Strength 10, Vitality 6, Agility 8, Intellect 4; face = character + 1.
class MenuTest : public GameTest {
  public:
    static QColor portraitColour(int faceNo);

  protected:
    MenuTest();

    void partyOf(int n);
    // Joins character c again after its record was changed.
    void rejoin(int c);

    EquipRecord& equip(int n, const QString& name, int power, int slot, int mask = 0) {
        return putEquip(st(), n, name, power, slot, mask);
    }
    ItemRecord& item(int n, const QString& name, int effect, int power, int keep) {
        return putItem(st(), n, name, effect, power, keep);
    }
    // A spell whose picture is the icon of its own number.
    MagicRecord& spell(int n, const QString& name, int kind, int effect, int power, int cost) {
        return putSpell(st(), n, name, kind, effect, power, cost, n);
    }

    // Puts code into inventory entry `entry` (ItemCount follows the occupied entries).
    void stock(int entry, const Value& code);
    void countStock();

    // A real mouse click (press and release) in the middle of a control: a disabled or hidden
    // control does not take it.
    static void click(QWidget& control);
    // Colour of a pixel of a picture box's surface.
    static QColor pixel(PictureBox& box, int x, int y);
};
