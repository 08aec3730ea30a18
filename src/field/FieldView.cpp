#include "field/FieldView.h"

#include <algorithm>
#include <cmath>

#include "core/GameError.h"
#include "core/GameState.h"

namespace {
// Screen position of loop cell (i, j): the party's cell (MapX − 1, MapY) sits at (384, 288).
int cellLeft(const GameState& st, int i) {
    return kCellSize * (9 + i - st.MapX);
}
int cellTop(const GameState& st, int j) {
    return kCellSize * (6 + j - st.MapY);
}

// Where a tall object stands relative to its cell: 24 pixels over each side and 36 above.
constexpr int kTallOverhangX = 24;
constexpr int kTallOverhangY = 36;

// The party sprite's feet line up with the bottom of the party's cell.
constexpr int kPartyLeft = 384;
constexpr int kPartyTop = 272;
// The tall object of the cell left of the party, drawn again over the party.
constexpr int kFrontTallLeft = 312;
constexpr int kFrontTallTop = 252;

struct LightRect {
    int x, y, w, h;
};
constexpr LightRect kDarkLight{304, 204, 192, 192};
constexpr LightRect kDimLight{192, 96, 432, 420};

bool isZero(const Value& v) {
    return v.isNumber() ? v.num() == 0 : v == Value(0);
}

void drawMasked(FieldCanvas& canvas, TileLayer layer, const Value& code, int x, int y) {
    const SheetCell c = decodeTile(code);
    canvas.maskTile(layer, c.column, c.row, x, y);
}

void drawTall(FieldCanvas& canvas, const Value& code, int cellX, int cellY) {
    drawMasked(canvas, TileLayer::Tall, code, cellX - kTallOverhangX, cellY - kTallOverhangY);
}
}  // namespace

SheetCell decodeTile(const Value& code) {
    if (code.isBlank()) return {};
    const double n = code.num();
    if (!(n >= 0) || std::floor(n) != n || n > 9e15)
        throw GameError(QString(), QStringLiteral("tile code %1").arg(code.text()),
                        QStringLiteral("a whole number of 0 or above"));
    const auto whole = static_cast<long long>(n);
    return {static_cast<int>(whole / 100 % 10), static_cast<int>(whole % 100)};
}

int viewRadius(int lighting) {
    return lighting == 1 ? 1 : (lighting == 2 ? 3 : 9);
}

int frontRadius(int lighting) {
    return lighting == 1 ? 2 : (lighting == 2 ? 3 : 9);
}

void padMapEdges(GameState& st) {
    // Column and row MapSize themselves are overwritten too; the square beyond both edges ends
    // up repeating cell (MapSize − 1, MapSize − 1).
    const int v = st.MapSize;
    for (int i = v; i <= v + 10; ++i) {
        for (int j = 0; j <= v + 10; ++j) {
            st.GroundGrid(i, j) = st.GroundGrid(v - 1, j);
            st.GroundGrid(j, i) = st.GroundGrid(j, v - 1);
            st.TallGrid(i, j) = st.TallGrid(v - 1, j);
            st.TallGrid(j, i) = st.TallGrid(j, v - 1);
        }
    }
}

void Ground_Draw(GameState& st, FieldCanvas& canvas, int i, int j) {
    const SheetCell c = decodeTile(st.GroundGrid(std::max(i, 0), std::max(j, 0)));
    canvas.copyTile(TileLayer::Ground, c.column, c.row, cellLeft(st, i), cellTop(st, j));
    Feature_Draw(st, canvas, i, j);
}

void Feature_Draw(GameState& st, FieldCanvas& canvas, int i, int j) {
    Value& feature = st.FeatureGrid(std::max(i, 0), std::max(j, 0));
    if (feature.isBlank()) feature = Value(0);
    if (isZero(feature)) return;
    const SheetCell c = decodeTile(feature);
    canvas.copyTile(TileLayer::Feature, c.column, c.row, cellLeft(st, i), cellTop(st, j));
}

void Obj_Draw(GameState& st, FieldCanvas& canvas, int i, int j) {
    const int cx = std::max(i, 0), cy = std::max(j, 0);
    const int x = cellLeft(st, i), y = cellTop(st, j);
    if (const Value& prop = st.PropGrid(cx, cy); !isZero(prop))
        drawMasked(canvas, TileLayer::Prop, prop, x, y);
    if (const Value& block = st.BlockGrid(cx, cy); !isZero(block))
        drawMasked(canvas, TileLayer::Block, block, x, y);
    if (const Value& tall = st.TallGrid(cx, cy); !isZero(tall)) drawTall(canvas, tall, x, y);
}

void View_Draw(GameState& st, FieldCanvas& canvas) {
    padMapEdges(st);
    const int r = viewRadius(st.Lighting);
    canvas.clear();
    // All ground and feature tiles first; then, column by column from the left and top to
    // bottom within a column, the feature again and the objects, so that a tall object lower on
    // the screen covers the one above it.
    for (int i = st.MapX - r - 1; i <= st.MapX + r - 1; ++i)
        for (int j = st.MapY - r; j <= st.MapY + r; ++j) Ground_Draw(st, canvas, i, j);
    for (int i = st.MapX - r - 1; i <= st.MapX + r - 1; ++i) {
        for (int j = st.MapY - r; j <= st.MapY + r; ++j) {
            if (!isZero(st.FeatureGrid(std::max(i, 0), std::max(j, 0))))
                Feature_Draw(st, canvas, i, j);
            Obj_Draw(st, canvas, i, j);
        }
    }
    // The back buffer is never on view, so there is nothing to refresh here.
}

void Front_Draw(GameState& st, FieldCanvas& canvas) {
    const int r = frontRadius(st.Lighting);
    if (st.MapX > 1 && st.MapY > 1) {
        // The tall object left of the party, even an empty one (sheet cell (0, 0) is blank).
        drawMasked(canvas, TileLayer::Tall, st.TallGrid(st.MapX - 2, st.MapY), kFrontTallLeft,
                   kFrontTallTop);
    }
    if (st.MapX > 0 && st.MapY > 0) {
        // The objects of the rows below the party cover its legs.
        for (int i = st.MapX - r + 2; i <= st.MapX + r - 2; ++i)
            for (int j = st.MapY + 1; j <= st.MapY + r - 1; ++j) Obj_Draw(st, canvas, i, j);
    }
}

bool Map_Make(GameState& st, FieldCanvas& canvas, QImage& visible, PartyPose pose) {
    if (st.TownMode == 1 && st.MapDepth == 0) return false;
    View_Draw(st, canvas);
    canvas.drawParty(pose.walkFrame, pose.facing, kPartyLeft, kPartyTop);
    Front_Draw(st, canvas);
    if (st.Lighting == 1) canvas.drawLight(kDarkLight.x, kDarkLight.y, kDarkLight.w, kDarkLight.h);
    if (st.Lighting == 2) canvas.drawLight(kDimLight.x, kDimLight.y, kDimLight.w, kDimLight.h);
    canvas.present(visible);
    return st.MoveDir != 0 && !isZero(st.PlaceEncounter[st.CurPlace]);
}
