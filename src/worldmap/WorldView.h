#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <vector>

struct GameState;

// The overhead map's view: 25 × 19 cells of 32 × 32 pixels seen from above, composed from the
// five tile layers of the current map. Rule code without a window, so it can be tested and
// measured; the overhead map screen shows the result.

inline constexpr int kWorldCell = 32;  // a map cell on screen and on the four small sheets
inline constexpr int kWorldTall = 64;  // a tall piece, which overhangs its cell
inline constexpr int kWorldViewCols = 25;
inline constexpr int kWorldViewRows = 19;
inline constexpr int kWorldViewWidth = 800;
inline constexpr int kWorldViewHeight = 608;

// The eight tile sheets: ground, feature, then image and mask of the prop, block and tall
// layers, in the order of the screen's hidden picture boxes.
struct WorldSheets {
    std::array<QImage, 8> tiles;

    // Masked cells that leave every pixel under them as it was (an all-white mask over an
    // all-black image), by sheet: drawing them is skipped, which changes nothing on screen.
    struct SeeThrough {
        int columns = 0, rows = 0;
        std::vector<bool> cells;
        bool at(int column, int row) const;
    };
    std::array<SeeThrough, 3> seeThrough;  // prop, block, tall

    // Finds the see-through cells; run once after the pictures are in place.
    void prepare();
};

// Loads the eight sheets from dataPath (ending in a separator); a missing or unreadable one is a
// GameError naming it.
WorldSheets loadWorldSheets(const QString& dataPath);

// Whether the view can be placed with map cell (scrollX, scrollY) in its top-left corner: the
// whole 25 × 19 window must lie on the map.
bool viewPositionDrawable(int mapSize, int scrollX, int scrollY);

// view2: draws the view with map cell (scrollX, scrollY) in its top-left corner into view (made
// 800 × 608 if it is not). First every ground tile, then, cell by cell (column after column, top
// to bottom), the feature tile when its code is above 0 and the prop, block and tall pieces with
// their masks; a tall piece sits 8 pixels up and left of its cell, so later cells cover its
// overhang. Outside the drawable positions nothing is drawn and false is returned: the view keeps
// its old picture.
bool view2(const GameState& st, const WorldSheets& sheets, int scrollX, int scrollY, QImage& view);
