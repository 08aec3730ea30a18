// The pictures and music of the generated world: sizes and cell rules the screens rely on,
// masks that are clean, and loops that are long enough and not silent.

#include <gtest/gtest.h>

#include <QFile>

#include "WorldData.h"
#include "art/MonsterArt.h"
#include "support/DataDir.h"
#include "world/ContentLoader.h"
#include "world/Recipe.h"

namespace {

bool allPixels(const QImage& img, const QRect& r, QRgb colour) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((img.pixel(x, y) & 0xffffff) != (colour & 0xffffff)) return false;
    return true;
}

TEST(WorldArt, PicturesHaveTheSizesTheScreensDrawThemAt) {
    auto size = [](const char* name) {
        return sampleWorld().picture(QString::fromUtf8(name)).size();
    };
    for (const PlaceRow& p : sampleWorld().places)
        if (!p.battleBack.isBlank()) {
            EXPECT_EQ(sampleWorld().picture(p.battleBack.text()).size(), QSize(800, 448));
        }
    for (const FacilityRow& f : sampleWorld().facilities)
        if (!f.picture.isEmpty()) {
            EXPECT_EQ(sampleWorld().picture(f.picture).size(), QSize(480, 320))
                << f.picture.toStdString();
        }
    for (const SceneRow& s : sampleWorld().scenes)
        if (!s.lines.isEmpty()) {
            EXPECT_EQ(sampleWorld().picture(s.picture).size(), QSize(768, 480));
        }
    EXPECT_EQ(sampleWorld().picture(sampleWorld().openingPicture).size(), QSize(760, 440));
    EXPECT_EQ(size("Ca05.bmp"), QSize(96, 256));
    EXPECT_EQ(size("Ca05x.bmp"), QSize(96, 256));
    EXPECT_EQ(size("01.bmp"), QSize(128, 128));
    EXPECT_EQ(size("marker.bmp"), QSize(32, 32));
    EXPECT_EQ(size("title_logo.bmp"), QSize(448, 64));
    EXPECT_EQ(size("title_art.bmp"), QSize(512, 448));
    EXPECT_EQ(size("title_side.bmp"), QSize(208, 288));
    EXPECT_EQ(size("gameover.bmp"), QSize(384, 320));
    EXPECT_EQ(size("gameover_title.bmp"), QSize(256, 40));
    for (const char* b : {"btn_item.bmp", "btn_magic.bmp", "btn_status.bmp", "btn_save.bmp",
                          "btn_fight.bmp", "btn_flee.bmp", "btn_defend.bmp"})
        EXPECT_EQ(size(b), QSize(36, 36)) << b;
    for (const char* b : {"btn_plus.bmp", "btn_minus.bmp", "btn_page1.bmp", "btn_page2.bmp",
                          "btn_prev.bmp", "btn_next.bmp"})
        EXPECT_EQ(size(b), QSize(28, 28)) << b;
}

TEST(WorldArt, MaskedSheetsAreCleanAndCellZeroIsEmpty) {
    // BMP masks are pure black and white, and the picture is black wherever the mask is white.
    for (const char* pair : {"tip200", "tip300", "tip400", "Ca05", "marker"}) {
        const QImage img = sampleWorld().picture(QStringLiteral("%1.bmp").arg(pair));
        const QImage mask = sampleWorld().picture(QStringLiteral("%1x.bmp").arg(pair));
        ASSERT_EQ(img.size(), mask.size()) << pair;
        int bad = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb m = mask.pixel(x, y) & 0xffffff;
                if (m != 0 && m != 0xffffff) ++bad;
                if (m == 0xffffff && (img.pixel(x, y) & 0xffffff) != 0) ++bad;
            }
        EXPECT_EQ(bad, 0) << pair;
    }
    // The screens draw code 0 of the object layers: cell (0, 0) must be fully transparent.
    EXPECT_TRUE(allPixels(sampleWorld().picture("tip200x.bmp"), QRect(0, 0, 32, 32), 0xffffff));
    EXPECT_TRUE(allPixels(sampleWorld().picture("tip300x.bmp"), QRect(0, 0, 32, 32), 0xffffff));
    EXPECT_TRUE(allPixels(sampleWorld().picture("tip400x.bmp"), QRect(0, 0, 64, 64), 0xffffff));
    EXPECT_TRUE(allPixels(sampleWorld().picture("tip400.bmp"), QRect(0, 0, 64, 64), 0));
    // Every step of the party sprite is drawn.
    const QImage party = sampleWorld().picture("Ca05x.bmp");
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 2; ++col)
            EXPECT_FALSE(allPixels(party, QRect(48 * col, 64 * row, 48, 64), 0xffffff))
                << row << "," << col;
}

TEST(WorldArt, TheLightOverlayIsDarkAroundALitCentre) {
    const QImage a = sampleWorld().picture("01.bmp"), x = sampleWorld().picture("01x.bmp");
    EXPECT_EQ(a.pixel(64, 64) & 0xffffff, 0xffffffu) << "the centre keeps the view";
    EXPECT_EQ(a.pixel(1, 1) & 0xffffff, 0u) << "the corners are dark";
    for (int yy = 0; yy < 128; ++yy)
        for (int xx = 0; xx < 128; ++xx) {
            const QRgb p = a.pixel(xx, yy) & 0xffffff;
            ASSERT_TRUE(p == 0 || p == 0xffffff);
            if (p == 0xffffff) {
                ASSERT_EQ(x.pixel(xx, yy) & 0xffffff, 0u) << "light must not be tinted";
            }
        }
}

// Draws a decoded sheet cell over a background with AND then XOR and compares it with the
// sprite as painted: inside the sprite the colours must hold, around it the background must
// show through untouched. Pixels at the very edge are allowed to blend.
struct FringeCount {
    int inside = 0, outside = 0, badInside = 0, badOutside = 0;
};
FringeCount fringe(const QImage& sheet, const QImage& mask, QPoint at, const QImage& sprite,
                   QRgb bg) {
    FringeCount c;
    auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < sprite.width() && y < sprite.height() &&
               qAlpha(sprite.pixel(x, y)) >= 128;
    };
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x) {
            int near = 0;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx) near += opaque(x + dx, y + dy) ? 1 : 0;
            const QRgb shown =
                (bg & mask.pixel(at.x() + x, at.y() + y)) ^ sheet.pixel(at.x() + x, at.y() + y);
            auto diff = [](QRgb a, QRgb b) {
                return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                 std::abs(qBlue(a) - qBlue(b))});
            };
            if (near == 25) {
                ++c.inside;
                if (diff(shown, sprite.pixel(x, y)) > 48) ++c.badInside;
            } else if (near == 0) {
                ++c.outside;
                if (diff(shown, bg) > 16) ++c.badOutside;
            }
        }
    return c;
}

TEST(WorldArt, EnemyAndBossSheetsShowWithoutFringes) {
    const QImage enemies = sampleWorld().picture("enpty02.jpeg"),
                 enemyMask = sampleWorld().picture("enpty02x.jpeg");
    const QImage bosses = sampleWorld().picture("en02.jpeg"),
                 bossMask = sampleWorld().picture("en02x.jpeg");
    ASSERT_FALSE(enemies.isNull() || enemyMask.isNull() || bosses.isNull() || bossMask.isNull());
    // Every figure as painted, with the sheet it went to and where.
    struct Placed {
        const QImage* sheet;
        const QImage* mask;
        QPoint at;
        QImage sprite;
    };
    std::vector<Placed> placed;
    for (auto it = contentModel().enemyLooks.constBegin();
         it != contentModel().enemyLooks.constEnd(); ++it)
        for (int pose = 0; pose < 3; ++pose)
            placed.push_back({&enemies, &enemyMask,
                              QPoint((it.key() % 10) * 128, (3 * (it.key() / 10) + pose) * 128),
                              monsterPicture(Recipe(it.value()), pose)});
    for (const BossDef& b : contentModel().bosses)
        for (int pose = 0; pose < 3; ++pose)
            placed.push_back({&bosses, &bossMask, QPoint((b.no - 1) * 128, pose * 128),
                              monsterPicture(Recipe(b.look), pose)});
    for (QRgb bg : {qRgb(200, 170, 120), qRgb(60, 110, 90), qRgb(250, 250, 250)}) {
        FringeCount total;
        for (const Placed& p : placed) {
            const FringeCount c = fringe(*p.sheet, *p.mask, p.at, p.sprite, bg);
            EXPECT_GT(c.inside, 300)
                << "a figure at " << p.at.x() << "," << p.at.y() << " is drawn";
            total.inside += c.inside, total.outside += c.outside;
            total.badInside += c.badInside, total.badOutside += c.badOutside;
        }
        // A handful of stray pixels over hundreds of thousands is invisible; a fringe is not.
        EXPECT_LT(total.badOutside, total.outside / 2000)
            << "background spoiled around the sprites";
        EXPECT_LT(total.badInside, total.inside / 200) << "sprite colours spoiled";
    }
}

TEST(WorldArt, SpritesKeepClearOfTheirCellEdges) {
    // A sprite touching its cell's edge would bleed into the neighbour through the JPEG blocks.
    const QImage mask = sampleWorld().picture("enpty02x.jpeg");
    for (int code : contentModel().enemyLooks.keys())
        for (int pose = 0; pose < 3; ++pose) {
            const QRect cell((code % 10) * 128, (3 * (code / 10) + pose) * 128, 128, 128);
            for (int k = 0; k < 128; ++k)
                for (QPoint p : {QPoint(k, 0), QPoint(k, 127), QPoint(0, k), QPoint(127, k)})
                    ASSERT_GT(qGray(mask.pixel(cell.topLeft() + p)), 200)
                        << "enemy " << code << " pose " << pose;
        }
}

TEST(WorldArt, EveryEnemyOfThePlacesHasItsPictures) {
    const QImage mask = sampleWorld().picture("enpty02x.jpeg");
    for (const PlaceRow& p : sampleWorld().places)
        for (const Value& e : p.enemySets) {
            if (e.isBlank()) continue;
            const int k = int(e.num());
            for (int pose = 0; pose < 3; ++pose) {
                const QRect cell((k % 10) * 128, (3 * (k / 10) + pose) * 128, 128, 128);
                ASSERT_TRUE(mask.rect().contains(cell)) << "enemy " << k;
                EXPECT_FALSE(allPixels(mask, cell.adjusted(8, 8, -8, -8), 0xffffff))
                    << "enemy " << k;
            }
        }
    // Spell effects: row (icon - 1) / 10, column (last digit) - 1.
    const QImage fx = sampleWorld().picture("Mahou01x.jpeg");
    for (auto it = sampleWorld().magic.constBegin(); it != sampleWorld().magic.constEnd(); ++it) {
        const int icon = it.value()[1];
        if (it.value()[0] == 0) continue;
        const QRect cell((icon % 10 - 1) * 64, ((icon - 1) / 10) * 64, 64, 64);
        ASSERT_TRUE(fx.rect().contains(cell)) << "icon " << icon;
        int dark = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) dark += qGray(fx.pixel(x, y)) < 100;
        EXPECT_GT(dark, 100) << "spell " << it.key() << " icon " << icon;
    }
}

TEST(WorldArt, EveryPlaceLoopsItsOwnTrack) {
    QSet<QString> tracks;
    for (const PlaceRow& p : sampleWorld().places) {
        if (p.music.isBlank()) continue;
        tracks.insert(p.music.text());
    }
    EXPECT_GE(tracks.size(), 8);
    for (const QString& t : tracks) {
        QFile f(sampleWorld().path(t));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << t.toStdString();
        const QByteArray b = f.readAll();
        ASSERT_GT(b.size(), 44);
        auto u16 = [&](int at) { return int(uchar(b[at])) | int(uchar(b[at + 1])) << 8; };
        auto u32 = [&](int at) { return uint32_t(u16(at)) | uint32_t(u16(at + 2)) << 16; };
        EXPECT_EQ(b.left(4), QByteArray("RIFF"));
        EXPECT_EQ(b.mid(8, 8), QByteArray("WAVEfmt "));
        EXPECT_EQ(u16(20), 1) << "PCM";
        EXPECT_EQ(u16(22), 1) << "mono";
        const uint32_t rate = u32(24);
        EXPECT_EQ(u16(34), 16);
        const double seconds = double(u32(40)) / 2 / rate;
        EXPECT_GE(seconds, 20.0) << t.toStdString();
        EXPECT_LE(seconds, 45.0) << t.toStdString();
        // Not silent, and the loop point does not click: the last sample leads into the first.
        int peak = 0;
        const int n = int(u32(40) / 2);
        auto sample = [&](int i) { return int(int16_t(u16(44 + 2 * i))); };
        for (int i = 0; i < n; i += 7) peak = std::max(peak, std::abs(sample(i)));
        EXPECT_GT(peak, 8000) << t.toStdString();
        EXPECT_LT(std::abs(sample(n - 1) - sample(0)), 6000) << t.toStdString();
    }
}

}  // namespace
