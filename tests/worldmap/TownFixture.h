#pragma once

#include <QImage>
#include <array>
#include <functional>
#include <initializer_list>

#include "support/GameTest.h"
#include "worldmap/MadeTownSheets.h"

class mise;

// The overhead map's tile sheets written into the data folder.
void writeTileSheets(const DataDir& data);

// Writes the map file `name`: size, header and six values per cell from cell(x, y).
using CellValues = std::array<QString, 6>;
void writeMapFile(const DataDir& data, const QString& name, int mapSize,
                  const std::function<CellValues(int, int)>& cell);
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
