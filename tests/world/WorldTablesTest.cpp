// The tables of the generated world: everything they name exists, and the numbers the game's
// rules fix agree with the world.

#include <gtest/gtest.h>

#include <QSet>

#include "WorldData.h"
#include "support/DataDir.h"

namespace {

int kindOf(int e) {
    return e <= 0 ? 0 : QString::number(e).front().digitValue();
}

// Portrait cell of a party member (row = FaceNo / 11; column = last digit - 1, 9 for 0) and of
// a scene face (row = f / 10, column = last digit - 1), as (row, column).
std::pair<int, int> memberCell(int faceNo) {
    return {faceNo / 11, faceNo % 10 == 0 ? 9 : faceNo % 10 - 1};
}
std::pair<int, int> sceneCell(int f) {
    return {f / 10, f % 10 - 1};
}
bool blankCell(const QImage& sheet, int row, int col) {
    const QRect r(col * 96, row * 96, 96, 96);
    if (col < 0 || !sheet.rect().contains(r)) return true;
    QSet<QRgb> colours;
    for (int y = r.top(); y <= r.bottom(); y += 3)
        for (int x = r.left(); x <= r.right(); x += 3) colours.insert(sheet.pixel(x, y));
    return colours.size() < 20;  // a face has far more than a background
}

TEST(WorldTables, FilesNamedByTheTablesExist) {
    for (auto it = sampleWorld().places.constBegin(); it != sampleWorld().places.constEnd(); ++it) {
        const PlaceRow& p = it.value();
        if (p.map.isBlank()) continue;
        SCOPED_TRACE(QStringLiteral("place %1").arg(it.key()).toStdString());
        EXPECT_TRUE(sampleWorld().has(p.map.text() + ".map"));
        EXPECT_TRUE(sampleWorld().has(p.music.text())) << p.music.text().toStdString();
        EXPECT_TRUE(sampleWorld().has(p.battleBack.text())) << p.battleBack.text().toStdString();
    }
    for (auto it = sampleWorld().facilities.constBegin(); it != sampleWorld().facilities.constEnd();
         ++it)
        if (!it->picture.isEmpty()) {
            EXPECT_TRUE(sampleWorld().has(it->picture)) << it->picture.toStdString();
        }
    for (const SceneRow& s : sampleWorld().scenes)
        if (!s.lines.isEmpty()) {
            EXPECT_TRUE(sampleWorld().has(s.picture)) << s.picture.toStdString();
        }
    EXPECT_TRUE(sampleWorld().has(sampleWorld().openingPicture));
    for (const char* name : {"ticp01.bmp",     "tip100.bmp",
                             "tip200.bmp",     "tip200x.bmp",
                             "tip300.bmp",     "tip300x.bmp",
                             "tip400.bmp",     "tip400x.bmp",
                             "Ca05.bmp",       "Ca05x.bmp",
                             "01.bmp",         "01x.bmp",
                             "ca02.bmp",       "ca03.bmp",
                             "enpty02.jpeg",   "enpty02x.jpeg",
                             "en02.jpeg",      "en02x.jpeg",
                             "Mahou01.jpeg",   "Mahou01x.jpeg",
                             "mati_F",         "KEv_F",
                             "Takara_F",       "Bos_F",
                             "Ca_TF",          "s_f",
                             "btn_item.bmp",   "btn_magic.bmp",
                             "btn_status.bmp", "btn_save.bmp",
                             "btn_fight.bmp",  "btn_flee.bmp",
                             "btn_defend.bmp", "btn_plus.bmp",
                             "btn_minus.bmp",  "btn_page1.bmp",
                             "btn_page2.bmp",  "btn_prev.bmp",
                             "btn_next.bmp",   "marker.bmp",
                             "markerx.bmp",    "title_logo.bmp",
                             "title_art.bmp",  "title_side.bmp",
                             "gameover.bmp",   "gameover_title.bmp"})
        EXPECT_TRUE(sampleWorld().has(QString::fromUtf8(name))) << name;
}

TEST(WorldTables, EveryEventCellPointsAtSomethingThatExists) {
    for (const QString& f : sampleWorld().mapFiles()) {
        const MapFile m = sampleWorld().map(f);
        for (int y = 0; y <= m.size; ++y) {
            for (int x = 0; x <= m.size; ++x) {
                const int e = m.event(x, y), k = kindOf(e), n = e % 100;
                const std::string where =
                    f.toStdString() + " " + std::to_string(x) + "," + std::to_string(y);
                if (k == 2) {
                    ASSERT_TRUE(sampleWorld().places.contains(n)) << where;
                    EXPECT_FALSE(sampleWorld().places[n].map.isBlank()) << where;
                } else if (k == 3) {
                    EXPECT_TRUE(n >= 1 && n <= 10) << where;
                } else if (k == 4) {
                    ASSERT_TRUE(sampleWorld().facilities.contains(n)) << where;
                    EXPECT_FALSE(sampleWorld().facilities[n].picture.isEmpty()) << where;
                } else if (k == 5 && n <= 50) {
                    ASSERT_TRUE(sampleWorld().scenes.contains(n)) << where;
                    EXPECT_FALSE(sampleWorld().scenes[n].lines.isEmpty()) << where;
                } else if (k == 5 && n <= 80) {
                    EXPECT_TRUE(sampleWorld().blocks.contains(n - 50)) << where;
                } else if (k == 5) {
                    EXPECT_LE(n - 80, sampleWorld().bosses.size()) << where;
                } else if (k == 7 && n > 0) {
                    EXPECT_FALSE(sampleWorld().takaraList[n].isBlank()) << where;
                } else if (k == 7) {
                    EXPECT_FALSE(sampleWorld().takaraTiers[0].isBlank()) << where;
                }
            }
        }
    }
    // What the facilities, treasures and story name exists too.
    for (auto it = sampleWorld().facilities.constBegin(); it != sampleWorld().facilities.constEnd();
         ++it) {
        const int s = it.key();
        for (int j = 1; j <= 20 && !it->a[j].isBlank(); ++j) {
            const int ref = int(it->b[j].num());
            if (s >= 11 && s <= 20) {
                EXPECT_EQ(sampleWorld().items.value(ref)[0], ref) << "shop " << s;
            }
            if (s >= 21 && s <= 30) {
                EXPECT_EQ(sampleWorld().equipment.value(ref)[0], ref) << "shop " << s;
            }
            if (s >= 31 && s <= 40) {
                EXPECT_FALSE(sampleWorld().talks.value(ref).lines.value(0).isEmpty())
                    << "tavern " << s;
            }
        }
    }
    for (int t = 1; t <= 100; ++t) {
        const Value v = sampleWorld().takaraList[t];
        if (v.isBlank()) continue;
        const int c = int(v.num());
        if (c > 100) {
            EXPECT_EQ(sampleWorld().items.value(c - 100)[0], c - 100) << "treasure " << t;
        } else
            EXPECT_EQ(sampleWorld().equipment.value(c)[0], c) << "treasure " << t;
    }
    for (int k = 1; k <= 5; ++k) {
        const Value v = sampleWorld().takaraTiers[k];
        if (!v.isBlank()) {
            EXPECT_EQ(sampleWorld().items.value(int(v.num()))[0], int(v.num())) << "tier " << k;
        }
    }
}

TEST(WorldTables, ThePlacesFollowTheWorldMapsRules) {
    const PlaceRow& world0 = sampleWorld().places.value(0);
    EXPECT_EQ(world0.map.text(), QStringLiteral("Map_f01"));
    EXPECT_EQ(world0.kind, Value(1));
    int towns = 0, fields = 0;
    bool shrine = false;
    for (auto it = sampleWorld().places.constBegin(); it != sampleWorld().places.constEnd(); ++it) {
        if (it->map.isBlank()) continue;
        if (it.key() >= 1 && it.key() < 8) {
            EXPECT_EQ(it->kind, Value(1)) << "towns are shown by the town screen";
            ++towns;
        }
        if (it.key() >= 8) {
            EXPECT_NE(it->kind, Value(1)) << "places 8 and up are walked";
            shrine = shrine || it->map.text() == QStringLiteral("Sinden001");
            if (it->map.text() != QStringLiteral("Sinden001")) ++fields;
            if (!it->encounter.isBlank() && it->encounter.num() > 0) {
                for (const Value& e : it->enemySets)
                    EXPECT_TRUE(sampleWorld().enemies.contains(int(e.num()) + 1));
            }
        }
    }
    EXPECT_GE(towns, 3);
    EXPECT_GE(fields, 3);
    EXPECT_TRUE(shrine);
    EXPECT_EQ(sampleWorld().map("mori001.map").name, QStringLiteral("mori001.map"));
    // The world map offers every town and every place below it that is entered from there.
    const MapFile m = sampleWorld().map("Map_f01.map");
    QSet<int> spots;
    for (int y = 0; y <= m.size; ++y)
        for (int x = 0; x <= m.size; ++x)
            if (kindOf(m.event(x, y)) == 2) spots.insert(m.event(x, y) % 100);
    for (int p : {1, 2, 3, 8, 11, 14, 24}) EXPECT_TRUE(spots.contains(p)) << p;
    // Their names are coloured by the town screen: the numbers it names white or by progress.
    for (int p : spots)
        EXPECT_TRUE(QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 11, 14, 17, 20, 24}).contains(p)) << p;
}

TEST(WorldTables, EveryFacilityKindIsOpenedFromATown) {
    QSet<int> doors;
    for (auto it = sampleWorld().places.constBegin(); it != sampleWorld().places.constEnd(); ++it) {
        if (it.key() < 1 || it.key() >= 8 || it->map.isBlank()) continue;
        const MapFile m = sampleWorld().map(it->map.text() + ".map");
        bool exit = false;
        for (int y = 0; y <= m.size; ++y)
            for (int x = 0; x <= m.size; ++x) {
                if (kindOf(m.event(x, y)) == 4) doors.insert(m.event(x, y) % 100);
                exit = exit || (kindOf(m.event(x, y)) == 3 && m.event(x, y) % 100 != 0);
            }
        EXPECT_TRUE(exit) << "town " << it.key() << " has a way out";
    }
    auto any = [&](int lo, int hi) {
        for (int d : doors)
            if (d >= lo && d <= hi) return true;
        return false;
    };
    // The ranges the town screen names: inns, item shops, weapon shops, taverns, churches.
    EXPECT_TRUE(any(1, 3));
    EXPECT_TRUE(any(11, 14));
    EXPECT_TRUE(any(21, 24));
    EXPECT_TRUE(any(31, 39));
    EXPECT_TRUE(any(41, 42));
    for (int d : doors)
        EXPECT_TRUE((d >= 1 && d <= 3) || (d >= 11 && d <= 14) || (d >= 21 && d <= 24) ||
                    (d >= 31 && d <= 39) || (d >= 41 && d <= 42))
            << "door " << d << " would get no name on the town screen";
    for (int d : doors)
        if (d >= 1 && d <= 10) {
            EXPECT_GT(sampleWorld().facilities[d].a[1].num(), 0) << "inn " << d << " has a price";
        }
}

TEST(WorldTables, CharactersAndTheirEquipmentFitTheRules) {
    ASSERT_GE(sampleWorld().characters.size(), 6);
    EXPECT_EQ(sampleWorld().characters[4].name, QStringLiteral("サリア"));
    EXPECT_EQ(sampleWorld().characters[5].name, QStringLiteral("ファンロス"));
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(sampleWorld().characters[c].charNo, c) << "special equipment groups";
    QSet<std::pair<int, int>> cells;
    const QImage ca02 = sampleWorld().picture("ca02.bmp");
    for (int c = 0; c < sampleWorld().characters.size(); ++c) {
        const auto& ch = sampleWorld().characters[c];
        EXPECT_LE(ch.classNo, sampleWorld().growthRows) << "growth row for character " << c;
        const auto cell = memberCell(ch.faceNo);
        EXPECT_FALSE(cells.contains(cell)) << "character " << c << " shares a portrait";
        cells.insert(cell);
        EXPECT_FALSE(blankCell(ca02, cell.first, cell.second)) << "character " << c;
        for (int e : ch.equipment)
            if (e) {
                EXPECT_EQ(sampleWorld().equipment.value(e)[0], e) << "character " << c;
            }
    }
    // Special equipment belongs to one equipment group: 4 18 30 41 to 0, 24 35 to 1, 25 36 to
    // 2, 26 37 to 3; the story's gifts are 37, 30 and 25.
    for (int e : {4, 18, 24, 25, 26, 30, 35, 36, 37, 41})
        EXPECT_EQ(sampleWorld().equipment.value(e)[0], e) << "special equipment " << e;
    // Start inventory: items 2 and 3.
    EXPECT_EQ(sampleWorld().items.value(2)[0], 2);
    EXPECT_EQ(sampleWorld().items.value(3)[0], 3);
}

TEST(WorldTables, SpellsAreWhereTheMagicScreenLooksForThem) {
    // Spells known by equipment group and level (the magic screen's list).
    const QList<int> known = {1,  2,  3,  4,  6,  7,  19, 23, 20, 24, 25, 26, 22, 33, 39,
                              40, 34, 36, 41, 35, 37, 10, 14, 11, 16, 12, 13, 15, 5};
    QSet<int> kinds;
    for (int s : known) {
        ASSERT_EQ(sampleWorld().magic.value(s)[0], s) << "spell " << s;
        const int icon = sampleWorld().magic.value(s)[1];
        EXPECT_NE(icon % 10, 0) << "spell " << s << " would have no picture";
        kinds.insert(sampleWorld().magic.value(s)[2]);
    }
    for (int k = 1; k <= 6; ++k) EXPECT_TRUE(kinds.contains(k)) << "spell kind " << k;
    // The groups that learn spells are the ones the party can have.
    QSet<int> groups;
    for (const auto& c : sampleWorld().characters) groups.insert(c.charNo);
    for (int g : {1, 2, 3}) EXPECT_TRUE(groups.contains(g));
    EXPECT_TRUE(groups.contains(5) || groups.contains(8) || groups.contains(9));
}

TEST(WorldTables, EnemiesBossesAndGrowthAreComplete) {
    EXPECT_GE(sampleWorld().enemies.size(), 30);
    for (auto it = sampleWorld().enemies.constBegin(); it != sampleWorld().enemies.constEnd();
         ++it) {
        EXPECT_EQ(it.value()[0], it.key()) << "record " << it.key();
        EXPECT_GT(it.value()[1], 0) << "record " << it.key() << " has hit points";
    }
    ASSERT_EQ(sampleWorld().bosses.size(), 10);
    for (const QList<Value>& b : sampleWorld().bosses) {
        EXPECT_FALSE(b[0].text().isEmpty());
        EXPECT_GT(b[1].num(), 0);
    }
    EXPECT_GE(sampleWorld().growthRows, 11) << "a growth row for every class number";
}

TEST(WorldTables, ScenesFaceAndShortTextFollowTheStoryRules) {
    const QImage ca02 = sampleWorld().picture("ca02.bmp");
    for (int n = 1; n <= 8; ++n) {
        ASSERT_TRUE(sampleWorld().scenes.contains(n)) << n;
        const SceneRow& s = sampleWorld().scenes[n];
        EXPECT_GE(s.lines.size(), 3) << "scene " << n;
        EXPECT_LE(s.lines.size(), 19) << "the page store holds 19 pages";
        for (const Value& f : s.faces)
            if (!f.isBlank()) {
                const auto c = sceneCell(int(f.num()));
                EXPECT_FALSE(blankCell(ca02, c.first, c.second))
                    << "scene " << n << " face " << f.num();
            }
        if (n <= 7) {
            EXPECT_EQ(s.threshold, Value(n - 1))
                << "scene " << n << " is told at progress " << n - 1;
            EXPECT_FALSE(s.shortText.text().isEmpty()) << "scene " << n;
        }
    }
    EXPECT_TRUE(sampleWorld().scenes[8].threshold.isBlank()) << "the guide is told every time";
    const QImage ca03 = sampleWorld().picture("ca03.bmp");
    for (auto it = sampleWorld().talks.constBegin(); it != sampleWorld().talks.constEnd(); ++it) {
        const int f = int(it->face.num());
        EXPECT_FALSE(blankCell(ca03, f / 10, f % 10)) << "speaker " << it.key();
    }
    EXPECT_GE(sampleWorld().openingLines.size(), 3);
    EXPECT_LE(sampleWorld().openingLines.size(), 20);
}

}  // namespace
