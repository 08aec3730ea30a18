#pragma once

#include <QPoint>
#include <QString>
#include <map>
#include <vector>

#include "field/FieldScreen.h"
#include "support/GameTest.h"

// A field map made for a test: ground everywhere, walls (event 100) around the edge unless asked
// otherwise, and the event cells a test puts in.
class FieldMap {
  public:
    explicit FieldMap(int size, bool walls = true);
    FieldMap& event(int column, int row, const QString& value);
    FieldMap& block(int column, int row, int tile);
    void write(const DataDir& data, const QString& name) const;

  private:
    int size_;
    std::map<std::pair<int, int>, QString> events_;
    std::map<std::pair<int, int>, int> blocks_;
    bool walls_;
};

// The field screen ready to open: its pictures in the data folder, empty block and treasure files,
// a party of four (characters 0..3: アルト, ミナ, ロウ, トマ, full HP and MP) and place 8, "洞窟",
// entered from the overhead level (town mode, depth 1), without random battles.
class FieldTest : public GameTest {
  protected:
    FieldTest();

    // Opens the field on map `name` with the party on grid cell (column, row).
    Main_Fr& openField(const QString& name, int column, int row);
    Main_Fr& field() { return game->form<Main_Fr>(); }
    // The party's grid cell (MapX − 1, MapY).
    QPoint party() const;

    // Holds an arrow key and lets the timer tick n times.
    void walk(int key, int ticks = 1);
    void release();

    // What a battle needs to open: its pictures, the bosses, and an enemy for place 8.
    void readyBattles();
    // Items and equipment for chests.
    void readyTreasure();

    static constexpr int kPlace = 8;
};
