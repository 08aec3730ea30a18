// The game's fast field canvas against the plain QPainter one: the same frames, pixel for pixel.
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <random>

#include "FieldPrinters.h"
#include "MadeSheets.h"
#include "field/FastFieldCanvas.h"
#include "field/FieldView.h"
#include "field/MapLoad.h"
#include "field/PainterFieldCanvas.h"
#include "platform/Blit.h"
#include "support/GameTest.h"

namespace {
// Writes a picture to $HOSHIKAGE_SHOTS_DIR/name.png when that variable is set, to look at.
void saveShot(const QImage& picture, const QString& name) {
    const QByteArray dir = qgetenv("HOSHIKAGE_SHOTS_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    picture.save(QString::fromLocal8Bit(dir) + u'/' + name + QStringLiteral(".png"));
}

// The first pixel where two pictures differ, or an empty text when they are the same.
QString firstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return QStringLiteral("sizes differ");
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if (ra[x] != rb[x])
                return QStringLiteral("pixel (%1, %2): %3 against %4")
                    .arg(x)
                    .arg(y)
                    .arg(ra[x], 8, 16, QChar(u'0'))
                    .arg(rb[x], 8, 16, QChar(u'0'));
    }
    return {};
}

// A source whose every pixel names its own position.
QImage positionCoded(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x >> 8) * 16 + (y >> 8)));
    return img;
}

struct Stretch {
    int sw, sh, dw, dh;
};
// Every stretch the view makes: tiles, tall objects, and the two light overlays.
const Stretch kViewStretches[] = {
    {32, 32, 48, 48}, {64, 64, 96, 96}, {128, 128, 192, 192}, {128, 128, 432, 420}};

QImage painterStretch(const QImage& src, const Stretch& s, int dx, int dy, double nudge,
                      QPainter::CompositionMode mode) {
    QImage out(kViewWidth, kViewHeight, QImage::Format_RGB32);
    out.fill(mode == QPainter::RasterOp_SourceAndDestination ? 0xffffffffu : 0xff000000u);
    QPainter p(&out);
    p.setCompositionMode(mode);
    p.drawImage(QRectF(dx, dy, s.dw, s.dh), src, QRectF(64 + nudge, 32 + nudge, s.sw, s.sh));
    return out;
}

QImage gameStretch(const QImage& src, const Stretch& s, int dx, int dy, Rop op) {
    QImage out(kViewWidth, kViewHeight, QImage::Format_RGB32);
    out.fill(op == Rop::And ? 0xffffffffu : 0xff000000u);
    stretchBlt(out, dx, dy, s.dw, s.dh, src, 64, 32, s.sw, s.sh, op);
    return out;
}
}  // namespace

// QPainter's nearest-neighbour stretch and the game's differ only for destination pixels whose
// centre falls on a border between two source pixels; the nudge of the plain canvas settles
// those the game's way for every stretch the view makes, wherever it lands on the view.
TEST(FieldStretchMapping, QPainterMatchesTheGameOnlyWithTheNudge) {
    const QImage src = positionCoded(600, 400);
    const std::pair<QPainter::CompositionMode, Rop> modes[] = {
        {QPainter::CompositionMode_Source, Rop::Copy},
        {QPainter::RasterOp_SourceAndDestination, Rop::And},
        {QPainter::RasterOp_SourceXorDestination, Rop::Xor}};
    for (const Stretch& s : kViewStretches) {
        for (const auto& [mode, op] : modes) {
            for (const QPoint at : {QPoint(0, 0), QPoint(384, 288), QPoint(-24, -36),
                                    QPoint(767, 575), QPoint(192, 96), QPoint(-100, 500)}) {
                SCOPED_TRACE(QStringLiteral("%1x%2 -> %3x%4 at (%5, %6), op %7")
                                 .arg(s.sw)
                                 .arg(s.sh)
                                 .arg(s.dw)
                                 .arg(s.dh)
                                 .arg(at.x())
                                 .arg(at.y())
                                 .arg(int(op))
                                 .toStdString());
                const QImage want = gameStretch(src, s, at.x(), at.y(), op);
                EXPECT_EQ(firstDifference(painterStretch(src, s, at.x(), at.y(),
                                                         PainterFieldCanvas::kSourceNudge, mode),
                                          want),
                          QString());
            }
        }
        // Without the nudge QPainter takes the other pixel on a border (2·i + 1 a multiple of 3).
        EXPECT_NE(firstDifference(painterStretch(src, s, 0, 0, 0, QPainter::CompositionMode_Source),
                                  gameStretch(src, s, 0, 0, Rop::Copy)),
                  QString());
    }
}

class FieldCanvasMatch : public GameTest {
  protected:
    // Draws the same frames with both canvases and expects the same pixels in every one.
    void expectSameFrames(const FieldPictures& pictures, const std::vector<QPoint>& positions) {
        FastFieldCanvas fast(pictures, QColor(20, 40, 60));
        PainterFieldCanvas plain(pictures, QColor(20, 40, 60));
        QImage fastView, plainView;
        int frame = 0;
        for (int lighting : {0, 2, 1}) {
            for (const QPoint& p : positions) {
                st().Lighting = lighting;
                st().MapX = p.x();
                st().MapY = p.y();
                const PartyPose pose{frame % 2, frame % 4};
                ++frame;
                SCOPED_TRACE(QStringLiteral("MapX %1, MapY %2, Lighting %3")
                                 .arg(p.x())
                                 .arg(p.y())
                                 .arg(lighting)
                                 .toStdString());
                Map_Make(st(), fast, fastView, pose);
                Map_Make(st(), plain, plainView, pose);
                ASSERT_EQ(firstDifference(fastView, plainView), QString());
                if (lighting == 0) {
                    const QRgb background = qRgb(20, 40, 60);
                    int shown = 0;
                    for (int y = 0; y < kViewHeight; ++y)
                        for (int x = 0; x < kViewWidth; ++x)
                            shown += fastView.pixel(x, y) != background;
                    EXPECT_GT(shown, kViewWidth * kViewHeight / 2)
                        << "the frame should show the map";
                }
                if (&p == &positions.front())
                    saveShot(
                        fastView,
                        QStringLiteral("field_%1_light%2")
                            .arg(QString::fromLatin1(
                                ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                            .arg(lighting));
                ASSERT_EQ(firstDifference(fast.backBuffer(), plain.backBuffer()), QString());
            }
        }
    }
};

TEST_F(FieldCanvasMatch, AMapFullOfEveryLayerAtTheEdgesAndInTheMiddle) {
    fillWholeMap(st(), 30, 7);
    expectSameFrames(makeFieldPictures(), {{15, 15},
                                           {1, 1},
                                           {1, 12},
                                           {2, 2},
                                           {0, 0},
                                           {31, 30},
                                           {31, 1},
                                           {10, 30},
                                           {16, 15},
                                           {16, 16}});
}

TEST_F(FieldCanvasMatch, TheLargestMapWithMasksOfArbitraryBits) {
    MadeSheetOptions noisy;
    noisy.noisyMasks = true;
    fillWholeMap(st(), 90, 11);
    expectSameFrames(makeFieldPictures(noisy), {{45, 45}, {91, 90}, {1, 90}, {91, 1}, {1, 1}});
}

TEST_F(FieldCanvasMatch, ASparseMapWithEmptyCellsAndCodesBeyondTheSheets) {
    std::mt19937 rng(3);
    st().MapSize = 20;
    auto pick = [&]() -> Value {
        switch (rng() % 8) {
            case 0:
                return Value();  // empty
            case 1:
                return Value(QString());  // an empty text
            case 2:
                return Value(tileCode(3, 50));  // a row the sheets do not have
            case 3:
                return Value(5000 + tileCode(int(rng() % 10), int(rng() % 12)));
            case 4:
                return Value(tileCode(int(rng() % 10), int(rng() % 12)));
            default:
                return Value(0);
        }
    };
    for (int x = 0; x <= 20; ++x) {
        for (int y = 0; y <= 20; ++y) {
            st().GroundGrid(x, y) = pick();
            st().FeatureGrid(x, y) = pick();
            st().PropGrid(x, y) = pick();
            st().BlockGrid(x, y) = pick();
            st().TallGrid(x, y) = pick();
        }
    }
    MadeSheetOptions visibleOrigin;
    visibleOrigin.blankTallOrigin = false;  // the tall cell left of the party shows even at 0
    expectSameFrames(makeFieldPictures(visibleOrigin),
                     {{10, 10}, {1, 1}, {3, 2}, {21, 20}, {2, 19}});
}

// A small forest laid out by hand: grass, a path across, stones, a boulder, a row of trees, and
// the party walking along the path in every light.
TEST_F(FieldCanvasMatch, AHandMadeForest) {
    st().MapSize = 24;
    for (int x = 0; x <= 24; ++x) {
        for (int y = 0; y <= 24; ++y) {
            st().GroundGrid(x, y) = Value(tileCode((x + y) % 3, 0));
            st().FeatureGrid(x, y) = Value(y == 12 ? tileCode(2, 1) : 0);
            st().PropGrid(x, y) = Value((x * 7 + y * 3) % 11 == 0 && y != 12 ? tileCode(1, 2) : 0);
            st().BlockGrid(x, y) = Value(x == 14 && y == 11 ? tileCode(4, 3) : 0);
            st().TallGrid(x, y) = Value(y == 10 || (y == 14 && x % 2) ? tileCode(1 + x % 3, 1) : 0);
        }
    }
    MadeSheetOptions plain;
    plain.plain = true;
    expectSameFrames(makeFieldPictures(plain), {{12, 12}, {13, 12}, {14, 12}, {1, 12}});
}

// Operations one by one, anywhere on or off the view, on or off the grid of squares, and frames
// that stop half way: the two canvases hold the same pixels after every step.
TEST(FieldCanvasOperations, RandomOperationsLeaveTheSamePixels) {
    const FieldPictures pictures = makeFieldPictures();
    FastFieldCanvas fast(pictures);
    PainterFieldCanvas plain(pictures);
    std::mt19937 rng(5);
    const TileLayer layers[] = {TileLayer::Ground, TileLayer::Feature, TileLayer::Prop,
                                TileLayer::Block, TileLayer::Tall};
    for (int step = 0; step < 600; ++step) {
        const bool onGrid = rng() % 3 != 0;
        const int x = onGrid ? 48 * (int(rng() % 20) - 2) : int(rng() % 900) - 100;
        const int y = onGrid ? 48 * (int(rng() % 16) - 2) : int(rng() % 700) - 100;
        const TileLayer layer = layers[rng() % 5];
        const int column = int(rng() % 10),
                  row = int(rng() % 14);  // rows 12, 13 are off the sheets
        SCOPED_TRACE(step);
        switch (rng() % 16) {
            case 0:
                fast.clear();
                plain.clear();
                break;
            case 1:
                fast.drawParty(column % 2, row % 4, x, y);
                plain.drawParty(column % 2, row % 4, x, y);
                break;
            case 2:
                fast.drawLight(x, y, 192, 192);
                plain.drawLight(x, y, 192, 192);
                break;
            case 3:
                fast.drawLight(x, y, 432, 420);
                plain.drawLight(x, y, 432, 420);
                break;
            default:
                if (layer == TileLayer::Ground || layer == TileLayer::Feature) {
                    fast.copyTile(layer, column, row, x, y);
                    plain.copyTile(layer, column, row, x, y);
                } else {
                    fast.maskTile(layer, column, row, x, y);
                    plain.maskTile(layer, column, row, x, y);
                }
        }
        if (step % 7 == 0) {
            ASSERT_EQ(firstDifference(fast.backBuffer(), plain.backBuffer()), QString());
        }
    }
    ASSERT_EQ(firstDifference(fast.backBuffer(), plain.backBuffer()), QString());
}

// A sheet whose last row of cells is cut short: the part that is there is drawn, the rest of the
// square keeps what was under it, exactly as the game's own stretch does.
TEST(FieldCanvasOperations, ACellCutShortByItsSheetDrawsThePartThatIsThere) {
    FieldPictures pictures = makeFieldPictures();
    pictures.tiles[0] = pictures.tiles[0].copy(0, 0, 320, 40);   // row 1 is 8 pixels high
    pictures.tiles[7] = pictures.tiles[7].copy(0, 0, 640, 100);  // tall row 1 is 36 of 64
    FastFieldCanvas fast(pictures, QColor(1, 2, 3));
    fast.clear();
    fast.copyTile(TileLayer::Ground, 4, 1, 96, 48);
    fast.maskTile(TileLayer::Tall, 2, 1, 300, 200);

    QImage want(kViewWidth, kViewHeight, QImage::Format_RGB32);
    want.fill(QColor(1, 2, 3));
    stretchBlt(want, 96, 48, 48, 48, pictures.tiles[0], 128, 32, 32, 32, Rop::Copy);
    stretchBlt(want, 300, 200, 96, 96, pictures.tiles[7], 128, 64, 64, 64, Rop::And);
    stretchBlt(want, 300, 200, 96, 96, pictures.tiles[6], 128, 64, 64, 64, Rop::Xor);
    EXPECT_EQ(firstDifference(fast.backBuffer(), want), QString());
    EXPECT_EQ(fast.backBuffer().pixel(100, 48 + 11), pictures.tiles[0].pixel(128 + 3, 32 + 7));
    EXPECT_EQ(fast.backBuffer().pixel(100, 48 + 12), qRgb(1, 2, 3));
}

// Every map of the sample world loads and draws the same with both canvases.
TEST_F(FieldCanvasMatch, EveryMapOfTheSampleWorld) {
    const QDir world(sampleWorldDir());
    const QStringList maps = world.entryList({QStringLiteral("*.map")}, QDir::Files, QDir::Name);
    if (maps.isEmpty()) GTEST_SKIP() << "the sample world has not been generated";
    st().DataPath = world.path() + u'/';
    const FieldPictures pictures = loadFieldPictures(st().DataPath);
    FastFieldCanvas fast(pictures);
    PainterFieldCanvas plain(pictures);
    QImage fastView, plainView;
    FieldMapState field;
    for (const QString& map : maps) {
        SCOPED_TRACE(map.toStdString());
        st().MapFileName = map;
        map_load1(*game, field);
        st().MapX = st().MapSize / 2 + 1;
        st().MapY = st().MapSize / 2;
        Map_Make(st(), fast, fastView, {});
        Map_Make(st(), plain, plainView, {});
        EXPECT_EQ(firstDifference(fastView, plainView), QString());
        saveShot(fastView, QStringLiteral("field_world_") + map.chopped(4));
    }
}
