// The maps of the generated world: closed, walkable end to end, every tile drawn, and the story
// met in the order its thresholds expect.

#include <gtest/gtest.h>

#include "Explorer.h"
#include "WorldData.h"
#include "support/DataDir.h"

namespace {

int kindOf(int e) {
    return e <= 0 ? 0 : QString::number(e).front().digitValue();
}

TEST(WorldMaps, EveryMapFileHasTheSizeItPromises) {
    // Reading a map checks that exactly 6 + 6 * (MapSize + 1)^2 values are there.
    for (const QString& f : sampleWorld().mapFiles()) {
        SCOPED_TRACE(f.toStdString());
        const MapFile m = sampleWorld().map(f);
        EXPECT_LE(m.size, 90) << "the field view pads 11 cells beyond the map";
    }
    // The town screen draws 25 x 19 cells and draws nothing for a smaller map.
    for (const PlaceRow& p : sampleWorld().places)
        if (p.kind == Value(1)) {
            EXPECT_GE(sampleWorld().map(p.map.text() + ".map").size, 24)
                << p.map.text().toStdString();
        }
    EXPECT_EQ(sampleWorld().map(QStringLiteral("Map_f01.map")).size, 60);
}

TEST(WorldMaps, FieldMapsAreClosedByBlockedCells) {
    // The field has no bounds check: every cell of the outer ring must keep the party out.
    for (const QString& f : sampleWorld().fieldMapFiles()) {
        const MapFile m = sampleWorld().map(f);
        for (int i = 0; i <= m.size; ++i) {
            for (auto [x, y] :
                 {std::pair{i, 0}, std::pair{i, m.size}, std::pair{0, i}, std::pair{m.size, i}}) {
                const int e = m.event(x, y);
                const int k = kindOf(e);
                EXPECT_TRUE(k == 1 || k == 6 || k == 8 || k == 9)
                    << f.toStdString() << " " << x << "," << y << " holds event " << e;
            }
        }
    }
    // And no walk, at any point of the story, reaches the ring or beyond.
    for (int progress = 0; progress <= 6; ++progress) {
        const Explorer ex(sampleWorld(), progress);
        EXPECT_TRUE(ex.leaks.isEmpty()) << ex.leaks.join(u'\n').toStdString();
        EXPECT_TRUE(ex.faults.isEmpty()) << ex.faults.join(u'\n').toStdString();
        for (const QString& f : ex.mapsVisited) {
            const MapFile m = sampleWorld().map(f);
            for (int i = 0; i <= m.size; ++i)
                for (auto [x, y] :
                     {std::pair{i, 0}, std::pair{i, m.size}, std::pair{0, i}, std::pair{m.size, i}})
                    EXPECT_FALSE(ex.reached(f, x, y)) << f.toStdString() << " " << x << "," << y;
        }
    }
}

TEST(WorldMaps, TheWholeWorldCanBeWalkedByTheEndOfPartOne) {
    const Explorer ex(sampleWorld(), 6);
    for (const QString& f : sampleWorld().fieldMapFiles())
        if (f != QStringLiteral("Sinden001.map")) {
            EXPECT_TRUE(ex.mapsVisited.contains(f)) << f.toStdString();
        }
    for (int b = 1; b <= 10; ++b) EXPECT_TRUE(ex.bossesMet.contains(b)) << "boss " << b;
    // Every chest of every map can be reached.
    for (const QString& f : ex.mapsVisited) {
        const MapFile m = sampleWorld().map(f);
        for (int y = 0; y <= m.size; ++y)
            for (int x = 0; x <= m.size; ++x)
                if (kindOf(m.event(x, y)) == 7) {
                    EXPECT_TRUE(
                        ex.chestsMet.contains(QStringLiteral("%1 %2 %3").arg(f).arg(x).arg(y)))
                        << "chest at " << f.toStdString() << " " << x << "," << y;
                }
    }
}

TEST(WorldMaps, ScenesAreMetOnlyWhenTheStoryHasReachedThem) {
    // Scene k moves the progress from k - 1 to k; met any earlier it would be told out of turn.
    for (int progress = 0; progress <= 6; ++progress) {
        const Explorer ex(sampleWorld(), progress);
        for (int k = 1; k <= 7; ++k) {
            if (k - 1 > progress) {
                EXPECT_FALSE(ex.scenesMet.contains(k))
                    << "scene " << k << " reachable at progress " << progress;
            }
            if (k - 1 == progress) {
                EXPECT_TRUE(ex.scenesMet.contains(k))
                    << "scene " << k << " unreachable at progress " << progress;
            }
        }
    }
}

TEST(WorldMaps, TheForestStarStoneStandsWhereTheStoryLooksForIt) {
    // The story's sixth step marks mori001.map, MapX 37, MapY 20: grid cell (36, 20).
    const MapFile m = sampleWorld().map(QStringLiteral("mori001.map"));
    EXPECT_EQ(kindOf(m.event(36, 20)), 1) << "a blocked stone before the story wakes it";
    EXPECT_NE(m.at(4, 36, 20), 0) << "something to see there";
    EXPECT_FALSE(Explorer(sampleWorld(), 5).scenesMet.contains(7));
}

TEST(WorldMaps, SwitchesAndTheGateSitWhereTheFieldRulesPutThem) {
    bool switch2 = false, switch3 = false, gate = false;
    for (const QString& f : sampleWorld().fieldMapFiles()) {
        const MapFile m = sampleWorld().map(f);
        if (m.size >= 27 && m.event(6, 25) == 306) {
            // Pressed from below, the switch reveals stairs at (6, 26) and steps the party back
            // to (6, 27): both must be floor, and the switch reachable only from there.
            switch2 = true;
            EXPECT_EQ(m.event(6, 26), 0);
            EXPECT_EQ(m.event(6, 27), 0);
            EXPECT_NE(m.event(5, 25), 0);
            EXPECT_NE(m.event(7, 25), 0);
            EXPECT_NE(m.event(6, 24), 0);
            EXPECT_TRUE(Explorer(sampleWorld(), 6).reached(f, 6, 27));
        }
        if (m.size >= 27 && m.event(5, 17) == 306) {
            switch3 = true;
            EXPECT_EQ(m.event(5, 18), 0);
            EXPECT_EQ(m.event(5, 19), 0);
            EXPECT_TRUE(Explorer(sampleWorld(), 6).reached(f, 5, 19));
        }
        for (int y = 0; y <= m.size; ++y)
            for (int x = 0; x <= m.size; ++x) {
                if (m.event(x, y) != 307) continue;
                // The gate's cells are fixed: thresholds (29, 55) and (30, 55) over the gate
                // (29, 56) and (30, 56).
                gate = true;
                EXPECT_TRUE(y == 55 && (x == 29 || x == 30))
                    << f.toStdString() << " " << x << "," << y;
            }
        if (gate && m.size >= 56) {
            EXPECT_EQ(m.event(29, 56), 0);
            EXPECT_EQ(m.event(30, 56), 0);
        }
    }
    EXPECT_TRUE(switch2);
    EXPECT_TRUE(switch3);
    EXPECT_TRUE(gate);
}

TEST(WorldMaps, EveryTileCodeInUseHasADrawnCell) {
    const QImage ground = sampleWorld().picture("ticp01.bmp"),
                 feature = sampleWorld().picture("tip100.bmp");
    const QImage masks[] = {sampleWorld().picture("tip200x.bmp"),
                            sampleWorld().picture("tip300x.bmp"),
                            sampleWorld().picture("tip400x.bmp")};
    ASSERT_FALSE(ground.isNull() || feature.isNull());
    auto cell = [](int code, int size) {
        return QRect(((code / 100) % 10) * size, (code % 100) * size, size, size);
    };
    auto lit = [](const QImage& img, const QRect& r) {  // any pixel that is not black
        if (!img.rect().contains(r)) return false;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if ((img.pixel(x, y) & 0xffffff) != 0) return true;
        return false;
    };
    auto opaque = [](const QImage& mask, const QRect& r) {  // any black mask pixel
        if (!mask.rect().contains(r)) return false;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qGray(mask.pixel(x, y)) < 128) return true;
        return false;
    };
    for (const QString& f : sampleWorld().mapFiles()) {
        const MapFile m = sampleWorld().map(f);
        QSet<int> seen[5];
        for (int y = 0; y <= m.size; ++y)
            for (int x = 0; x <= m.size; ++x)
                for (int l = 0; l < 5; ++l) seen[l].insert(m.at(l, x, y));
        for (int c : seen[0])
            EXPECT_TRUE(lit(ground, cell(c, 32))) << f.toStdString() << " ground " << c;
        for (int c : seen[1])
            if (c > 0) {
                EXPECT_TRUE(lit(feature, cell(c, 32))) << f.toStdString() << " feature " << c;
            }
        for (int l = 2; l < 5; ++l)
            for (int c : seen[l])
                if (c > 0) {
                    EXPECT_TRUE(opaque(masks[l - 2], cell(c, l == 4 ? 64 : 32)))
                        << f.toStdString() << " layer " << l + 1 << " code " << c;
                }
    }
    // The codes the game itself writes: an opened chest, the gate shut and open, revealed stairs.
    for (int c : {1506, 1102, 1411, 1311, 1222}) EXPECT_TRUE(lit(feature, cell(c, 32))) << c;
}

TEST(WorldMaps, NoFeatureCutsIntoATallObject) {
    // Tall objects overhang their cell; a feature drawn later in the same pass (to the right of
    // or below the object) is opaque and would cut a notch into it.
    for (const QString& f : sampleWorld().mapFiles()) {
        const MapFile m = sampleWorld().map(f);
        const bool field = sampleWorld().fieldMapFiles().contains(f);
        for (int y = 0; y <= m.size; ++y)
            for (int x = 0; x <= m.size; ++x) {
                if (m.at(1, x, y) <= 0) continue;
                QList<std::pair<int, int>> around = {{x - 1, y}, {x - 1, y - 1}, {x, y - 1}};
                if (field) around.append({x - 1, y + 1});
                for (auto [tx, ty] : around)
                    if (m.inside(tx, ty)) {
                        EXPECT_EQ(m.at(4, tx, ty), 0)
                            << f.toStdString() << ": feature at " << x << "," << y
                            << " next to a tall object at " << tx << "," << ty;
                    }
            }
    }
}

TEST(WorldMaps, StairsLandOnFreeCells) {
    for (const QString& f : sampleWorld().fieldMapFiles()) {
        if (!sampleWorld().hasStairs(f)) continue;
        const StairsFile s = sampleWorld().stairs(f);
        EXPECT_EQ(s.startFloor, 1) << f.toStdString();
        const MapFile m = sampleWorld().map(f);
        if (s.type == 1) {
            for (int k = 0; k <= 10; ++k) {
                const auto [x, y] = s.destinations[k];
                ASSERT_TRUE(m.inside(x - 1, y)) << f.toStdString() << " floor " << k;
                EXPECT_EQ(m.event(x - 1, y), 0) << f.toStdString() << " floor " << k;
            }
        } else {
            for (const QString& floor : s.floorMaps)
                EXPECT_TRUE(sampleWorld().has(floor + ".map")) << floor.toStdString();
        }
    }
}

}  // namespace
