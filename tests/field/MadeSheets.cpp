#include "MadeSheets.h"

#include <random>

#include "core/GameState.h"

namespace {
constexpr QRgb kWhite = 0xffffffffu;
constexpr QRgb kBlack = 0xff000000u;

// A colour that changes with every pixel of every cell of every sheet.
QRgb pattern(int sheet, int x, int y) {
    return qRgb((x * 7 + sheet * 41) & 0xff, (y * 5 + x / 3 + sheet * 17) & 0xff,
                ((x ^ y) * 3 + sheet * 29) & 0xff);
}

// The plain look: one colour per sheet cell, lighter inside and darker on its edge, so a picture
// made of them shows plainly which cell went where.
QRgb plainColour(int sheet, int x, int y, int cell) {
    const int c = x / cell, r = y / cell, u = x % cell, v = y % cell;
    const bool edge = u == 0 || v == 0 || u == cell - 1 || v == cell - 1;
    return QColor::fromHsv((sheet * 70 + c * 31 + r * 11) % 360, 110 + (r * 29) % 120,
                           edge ? 90 : 190 + ((u / 4 + v / 4) % 2) * 25)
        .rgb();
}

QRgb colour(const MadeSheetOptions& o, int sheet, int x, int y, int cell) {
    return o.plain ? plainColour(sheet, x, y, cell) : pattern(sheet, x, y);
}

QImage opaqueSheet(const MadeSheetOptions& o, int sheet, int cell) {
    QImage img(10 * cell, o.rows * cell, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, colour(o, sheet, x, y, cell));
    return img;
}

// Whether pixel (x, y) of a cell of side n is part of the object drawn in sheet cell (c, r):
// a shape that differs from cell to cell and leaves a see-through margin.
bool inShape(int c, int r, int x, int y, int n) {
    const int cx = n / 2 + (c % 3) - 1, cy = n / 2 + (r % 3) - 1;
    const int radius = n / 4 + (c + r) % (n / 4);
    const int dx = x - cx, dy = y - cy;
    return (c + r) % 2 ? dx * dx + dy * dy <= radius * radius
                       : std::abs(dx) + std::abs(dy) <= radius;
}

// A masked sheet pair: the mask is black where the object stands and white elsewhere; the
// picture is black where the mask is white.
void maskedSheets(int sheet, int cell, int rows, const MadeSheetOptions& o, bool tall,
                  QImage& picture, QImage& mask) {
    picture = QImage(10 * cell, rows * cell, QImage::Format_RGB32);
    mask = QImage(picture.size(), QImage::Format_RGB32);
    std::mt19937 noise(static_cast<std::uint32_t>(sheet * 7919));
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int c = x / cell, r = y / cell;
            const bool origin = c == 0 && r == 0;
            if (tall && origin && o.blankTallOrigin) {
                picture.setPixel(x, y, kBlack);
                mask.setPixel(x, y, kWhite);
            } else if (o.noisyMasks && !origin) {
                picture.setPixel(x, y, noise() | kBlack);
                mask.setPixel(x, y, noise() | kBlack);
            } else if (inShape(c, r, x % cell, y % cell, cell)) {
                picture.setPixel(x, y, colour(o, sheet, x, y, cell));
                mask.setPixel(x, y, kBlack);
            } else {
                picture.setPixel(x, y, kBlack);
                mask.setPixel(x, y, kWhite);
            }
        }
    }
}
}  // namespace

FieldPictures makeFieldPictures(const MadeSheetOptions& o) {
    FieldPictures p;
    p.tiles[0] = opaqueSheet(o, 0, kSheetCell);
    p.tiles[1] = opaqueSheet(o, 1, kSheetCell);
    maskedSheets(2, kSheetCell, o.rows, o, false, p.tiles[2], p.tiles[3]);
    maskedSheets(4, kSheetCell, o.rows, o, false, p.tiles[4], p.tiles[5]);
    maskedSheets(6, kTallSheetCell, o.rows, o, true, p.tiles[6], p.tiles[7]);

    // The party: two walking frames in four facings, a figure in the middle of each cell.
    p.party[0] = QImage(2 * kPartyWidth, 4 * kPartyHeight, QImage::Format_RGB32);
    p.party[1] = QImage(p.party[0].size(), QImage::Format_RGB32);
    for (int y = 0; y < p.party[0].height(); ++y) {
        for (int x = 0; x < p.party[0].width(); ++x) {
            const int dx = x % kPartyWidth - 24, dy = y % kPartyHeight - 36;
            const bool body = dx * dx * 4 + dy * dy <= 26 * 26 + (x / kPartyWidth) * 40;
            p.party[0].setPixel(x, y, body ? pattern(8, x, y) : kBlack);
            p.party[1].setPixel(x, y, body ? kBlack : kWhite);
        }
    }
    // The light: a bright disc with a soft rim in the dark, and a bluish tint over everything.
    p.light[0] = QImage(kLightSheetSize, kLightSheetSize, QImage::Format_RGB32);
    p.light[1] = QImage(p.light[0].size(), QImage::Format_RGB32);
    for (int y = 0; y < kLightSheetSize; ++y) {
        for (int x = 0; x < kLightSheetSize; ++x) {
            const int dx = x - 64, dy = y - 64, d2 = dx * dx + dy * dy;
            const QRgb keep = d2 < 40 * 40 ? kWhite : (d2 < 52 * 52 ? 0xff7f7f7fu : kBlack);
            p.light[0].setPixel(x, y, keep);
            p.light[1].setPixel(x, y, d2 < 52 * 52 ? kBlack : qRgb(0, 0, (x + y) & 0x1f));
        }
    }
    return p;
}

void fillWholeMap(GameState& st, int mapSize, std::uint32_t seed, int sheetRows) {
    std::mt19937 rng(seed);
    // Never sheet cell (0, 0), so that every layer of every cell draws something.
    auto code = [&](int thousands) {
        const int column = int(rng() % 10);
        const int row = column == 0 ? 1 + int(rng() % (sheetRows - 1)) : int(rng() % sheetRows);
        return Value(thousands * 1000 + tileCode(column, row));
    };
    st.MapSize = mapSize;
    for (int x = 0; x <= mapSize; ++x) {
        for (int y = 0; y <= mapSize; ++y) {
            st.GroundGrid(x, y) = code(0);
            st.FeatureGrid(x, y) = code(1);
            st.PropGrid(x, y) = code(0);
            st.BlockGrid(x, y) = code(2);
            st.TallGrid(x, y) = code(0);
            st.EventGrid(x, y) = Value(0);
        }
    }
}
