#pragma once

#include <QImage>
#include <functional>
#include <initializer_list>

#include "support/GameTest.h"

class mise;

// A sheet of cols × rows cells of cell × cell pixels; every cell is filled with its own colour
// (cellColour), so a test can tell which cell was copied where.
QImage cellSheet(int cols, int rows, int cell);
QRgb cellColour(int col, int row);
// The colour at (x, y) of a picture, without the alpha byte.
QRgb rgbAt(const QImage& picture, int x, int y);

// A town to shop in: a party of four (characters 0..3 at positions 1..4, classes 1..4, faces 1..4,
// full HP and MP), 1000 gold, an empty inventory, portrait and patron sheets in the data folder
// and an interior picture for every facility used here. Tables are set directly in the state.
class TownTest : public GameTest {
  protected:
    TownTest();

    // Records, with names and texts in their fixed 20-character fields.
    void setItem(int no, const QString& name, int price, int power = 0, int keep = 0);
    void setEquip(int no, const QString& name, int price, int mask, int slot = 1, int power = 0);
    // Facility shopNo offers the wares of table records refs (BuildingB 1, 2, …).
    void setStock(int shopNo, std::initializer_list<int> refs);
    // Puts the codes into inventory entries 0, 1, … and sets ItemCount.
    void setInventory(std::initializer_list<int> codes);
    int countCode(int code) const;

    // Opens the shop screen for facility shopNo with waiting, lets play act on it, then leaves by
    // "外に出る" unless play has already closed it.
    void visitShop(int shopNo, const std::function<void(mise&)>& play);
};
