#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <array>

// The pictures the field view is drawn from and the surface it is composed on.

// The twelve pictures of the field screen, in the order of its picture boxes.
struct FieldPictures {
    // The tile sheets: ground, feature, prop and its mask, block and its mask, tall objects and
    // their mask.
    std::array<QImage, 8> tiles;
    std::array<QImage, 2> party;  // the party sprite sheet and its mask
    std::array<QImage, 2> light;  // the light overlay: first combined with AND, then with XOR
};

// The file names of the twelve pictures, in the order above.
inline const std::array<const char*, 8> kTileSheetFiles = {
    "ticp01.bmp", "tip100.bmp",  "tip200.bmp", "tip200x.bmp",
    "tip300.bmp", "tip300x.bmp", "tip400.bmp", "tip400x.bmp"};
inline const std::array<const char*, 2> kPartySpriteFiles = {"Ca05.bmp", "Ca05x.bmp"};
inline const std::array<const char*, 2> kLightFiles = {"01.bmp", "01x.bmp"};

// Loads the twelve pictures from dataPath (ending in a separator); a missing or unreadable one
// is a GameError naming it.
FieldPictures loadFieldPictures(const QString& dataPath);

// The layers that have a tile sheet.
enum class TileLayer { Ground, Feature, Prop, Block, Tall };

// Size of the view and of its cells.
inline constexpr int kViewWidth = 800;
inline constexpr int kViewHeight = 608;
inline constexpr int kCellSize = 48;       // a map cell on screen
inline constexpr int kSheetCell = 32;      // a cell of the ground, feature, prop and block sheets
inline constexpr int kTallSize = 96;       // a tall object on screen
inline constexpr int kTallSheetCell = 64;  // a cell of the tall object sheets
inline constexpr int kPartyWidth = 48;     // the party sprite, drawn unstretched
inline constexpr int kPartyHeight = 64;
inline constexpr int kLightSheetSize = 128;  // the part of the light pictures that is used

// Where the field view is composed: an 800 × 608 back buffer and the drawing operations the view
// needs. Every operation clips to the back buffer. Two kinds exist: the game's own, built for
// speed, and a plain one that draws every cell through QPainter and serves as the yardstick the
// fast one is measured and checked against. Both give the same pixels.
class FieldCanvas {
  public:
    virtual ~FieldCanvas() = default;

    // The back buffer, 800 × 608, with everything drawn so far.
    virtual const QImage& backBuffer() = 0;

    // Fills the back buffer with its background colour.
    virtual void clear() = 0;
    // Stretches the 32 × 32 cell (column, row) of the ground or feature sheet opaquely onto the
    // 48 × 48 square whose top-left corner is (x, y). Only for those two layers.
    virtual void copyTile(TileLayer layer, int column, int row, int x, int y) = 0;
    // Draws a cell of the prop, block or tall sheets with its mask (mask with AND, then the
    // picture with XOR), stretched from 32 × 32 onto 48 × 48, or for tall objects from 64 × 64
    // onto 96 × 96, with its top-left corner at (x, y). Only for those three layers.
    virtual void maskTile(TileLayer layer, int column, int row, int x, int y) = 0;
    // Draws the 48 × 64 sprite cell (column, row) of the party sheet with its mask, unstretched,
    // at (x, y).
    virtual void drawParty(int column, int row, int x, int y) = 0;
    // Stretches the 128 × 128 light pictures onto the rectangle (x, y, w × h): the first with
    // AND, then the second with XOR.
    virtual void drawLight(int x, int y, int w, int h) = 0;
    // Copies the whole back buffer opaquely onto the visible picture (made 800 × 608 if it is
    // not).
    virtual void present(QImage& visible) = 0;
};
