#pragma once

#include <QTimer>
#include <array>
#include <optional>

#include "platform/Form.h"
#include "worldmap/WorldView.h"

class Game;
class Label;
class PictureBox;
class PictureButton;

// The overhead map screen: the world map and the towns, seen through a window of 25 × 19 cells.
// The player scrolls with the arrow keys or by holding a mouse button, points at hot spots to
// see their names and clicks them to enter a town, leave it, go down into a field map, visit the
// shrine or open a facility on the shop screen. Four buttons open the party menus.
class M_Map : public Form {
  public:
    explicit M_Map(Game& game);

    // Controls, named as in the screen design.
    PictureBox* Picture1;                      // the map view; keys and mouse act on it
    PictureBox* Picture5;                      // strip holding the menu buttons
    std::array<PictureButton*, 4> Command1{};  // item, magic, status, save
    Label* Label1;                             // floating name label
    WorldSheets Picture3;                      // the tile sheets
    QTimer Timer1;                             // scroll step and redraw, every 200 ms

    // Event handlers (view pixels for the mouse, Qt key codes for keys).
    void Command1_Click(int index);
    void Picture1_KeyDown(int key);
    void Picture1_KeyUp(int key);
    void Picture1_MouseDown(int x, int y);
    void Picture1_MouseUp(int x, int y);
    void Picture1_MouseMove(int x, int y);
    void Picture1_Click();
    void Timer1_Timer();

    // Loads MapFileName into the grids.
    void Map_Load2();
    // Redraws the view from the scroll position.
    void view2();
    // Shows town `place` as entering it from the world map does.
    void enterTown(int place);
    // Reads the sheets and the map on view from disk again (test-play's F5).
    void reloadFromDisk();

    int scrollX() const { return ScrollX; }
    int scrollY() const { return ScrollY; }
    int scrollDirection() const { return ScrollDir; }
    void placeView(int x, int y) {
        ScrollX = x;
        ScrollY = y;
    }

  protected:
    void applyDesign() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

  private:
    void enterFieldMap(int place);
    void backToWorldMap();
    void placeLabel(int cx, int cy);
    void fitLabel();

    Game& game_;

    // The screen's own variables; they live as long as the screen. Empty compares equal to 0.
    int ScrollX = 0, ScrollY = 0;
    int ScrollDir = 0;
    int PressQuadrant = 0;
    int HoverKind = 0, HoverNo = 0;
    int HotKind = 0, HotNo = 0;
    std::optional<int> WorldScrollX, WorldScrollY;  // empty until a town is entered
    QString BuildingName;
};
