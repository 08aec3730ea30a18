#include "core/DataCheck.h"

#include <QFileInfo>
#include <QSet>
#include <memory>
#include <optional>

#include "core/GameError.h"
#include "core/MasterTables.h"
#include "core/ScreenDataFiles.h"
#include "core/TableFiles.h"
#include "field/FieldMoves.h"
#include "field/MapFile.h"

namespace {
// Pictures the screens load by their fixed names: tile sheets, the party sprite and the light
// overlay with their masks, portrait sheets, and the enemy, boss and spell-effect sheets.
const char* const kFixedPictures[] = {
    "ticp01.bmp",    "tip100.bmp", "tip200.bmp",  "tip200x.bmp",  "tip300.bmp",
    "tip300x.bmp",   "tip400.bmp", "tip400x.bmp", "Ca05.bmp",     "Ca05x.bmp",
    "01.bmp",        "01x.bmp",    "ca02.bmp",    "ca03.bmp",     "enpty02.jpeg",
    "enpty02x.jpeg", "en02.jpeg",  "en02x.jpeg",  "Mahou01.jpeg", "Mahou01x.jpeg",
};

// The bosses of "Bos_F".
constexpr int kBossCount = 10;

// The world map the start-up and the title's New Game name.
const char* const kWorldMap = "Map_f01.map";

class Checker {
  public:
    explicit Checker(const QString& dir)
        : dir_(dir.endsWith(u'/') ? dir : dir + u'/'), t_(std::make_unique<MasterTables>()) {}

    DataCheckResult run() {
        if (!QFileInfo(dir_).isDir()) {
            problem(dir_, QStringLiteral("folder"), QStringLiteral("a data folder"));
            return r_;
        }
        for (const TableFile& file : tableFiles(MasterFileNames{})) {
            if (attempt([&] { readTableFile(dir_, file, *t_); })) ++r_.dataFiles;
        }
        blocks_ = readOwn(QStringLiteral("KEv_F"), &readBlockTable);
        treasure_ = readOwn(QStringLiteral("Takara_F"), &readTreasureTable);
        readOwn(QStringLiteral("Bos_F"), &readBossTable);
        auto growth = readOwn(QStringLiteral("Ca_TF"), &readGrowthTable);
        auto opening = readOwn(QStringLiteral("s_f"), &readOpeningData);

        checkCharacters(growth.get());
        if (treasure_) checkTreasure(*treasure_);
        checkPlaces();
        checkFacilitiesAndScenes();
        if (opening) checkOpening(*opening);
        for (const char* name : kFixedPictures)
            needFile(QString::fromLatin1(name), Kind::Picture, QString::fromLatin1(name),
                     QStringLiteral("data folder"));
        return r_;
    }

  private:
    enum class Kind { Picture, Music, Map };

    void problem(const QString& file, const QString& position, const QString& expected) {
        r_.problems << GameError(file, position, expected).report();
    }

    // Runs a read; a GameError becomes one problem and the check goes on.
    template <class Fn>
    bool attempt(Fn fn) {
        try {
            fn();
            return true;
        } catch (const GameError& e) {
            r_.problems << e.report();
            return false;
        }
    }

    // Reads one of the files the screens read on their own; nothing when it is broken.
    template <class T>
    std::unique_ptr<T> readOwn(const QString& name, T (*reader)(ValueReader&)) {
        std::unique_ptr<T> result;
        if (attempt([&] {
                ValueReader in = ValueReader::open(dir_ + name);
                result = std::make_unique<T>(reader(in));
            }))
            ++r_.dataFiles;
        return result;
    }

    // A file named by the data must be in the folder; each name is looked at once.
    bool needFile(const QString& name, Kind kind, const QString& from, const QString& position) {
        if (seen_.contains(name)) return true;
        seen_.insert(name);
        if (QFileInfo(dir_ + name).isFile()) {
            (kind == Kind::Picture ? r_.pictures : kind == Kind::Music ? r_.music : r_.maps) += 1;
            return true;
        }
        const QString what = kind == Kind::Picture ? QStringLiteral("picture")
                             : kind == Kind::Music ? QStringLiteral("music")
                                                   : QStringLiteral("map");
        problem(from, position,
                QStringLiteral("the %1 file \"%2\" in the data folder").arg(what, name));
        return false;
    }

    void needNamed(const Value& name, Kind kind, const QString& from, const QString& position) {
        if (!name.isBlank()) needFile(name.text(), kind, from, position);
    }

    // A map named by the data: it must be there and read as a map; its stairs file, when it has
    // one, must read too, and the floor maps a stairs file names are checked in turn. The event
    // cells of a map walked on the field must name data that is there.
    void checkMapAndStairs(const QString& mapFile, const QString& from, const QString& position,
                           bool field) {
        if (seen_.contains(mapFile)) return;
        if (!needFile(mapFile, Kind::Map, from, position)) return;
        attempt([&] {
            const MapFileData map = readMapFile(dir_ + mapFile);
            if (map.trailingValues)
                problem(mapFile, QStringLiteral("after the last cell"),
                        QStringLiteral("no more values"));
            if (field) checkFieldEvents(mapFile, map);
        });
        const QString stairs = stairsFileName(mapFile);
        std::optional<StairsFileData> floors;
        if (!attempt([&] { floors = readStairsFile(dir_ + stairs); }) || !floors) return;
        ++r_.dataFiles;
        if (floors->type != Value(0)) return;
        for (int k = 0; k < static_cast<int>(floors->floorMap.size()); ++k) {
            const Value& floor = floors->floorMap[static_cast<std::size_t>(k)];
            if (!floor.isBlank())
                checkMapAndStairs(floor.text() + QStringLiteral(".map"), stairs,
                                  QStringLiteral("floor %1").arg(k), field);
        }
    }

    void checkCharacters(const GrowthTable* growth) {
        const QString file = MasterFileNames{}.ca;
        for (int c = t_->CharacterTable.lo; c <= t_->CharacterTable.hi; ++c) {
            const CharacterRecord& r = t_->CharacterTable[c];
            const int numbers[] = {r.WeaponNo, r.ArmourNo, r.HelmetNo, r.ShieldNo, r.ExtraNo};
            for (int s = 0; s < 5; ++s) {
                if (!t_->EquipTable.inRange(numbers[s]))
                    problem(file,
                            QStringLiteral("character %1, equipment slot %2").arg(c).arg(s + 1),
                            QStringLiteral("an equipment number within 0..100, found %1")
                                .arg(numbers[s]));
            }
        }
        // Level-ups read the growth row of the character's class.
        if (!growth) return;
        for (int c = 0; c <= 10; ++c) {
            const int cls = t_->CharacterTable[c].ClassNo;
            if (cls >= 1 && cls > growth->count)
                problem(QStringLiteral("Ca_TF"), QStringLiteral("row %1").arg(cls),
                        QStringLiteral("a growth row for class %1 (character %2), found %3 rows")
                            .arg(cls)
                            .arg(c)
                            .arg(growth->count));
        }
    }

    void checkTreasure(const TreasureTable& t) {
        const QString file = QStringLiteral("Takara_F");
        if (!t.present) return;
        for (int k = 1; k <= 5; ++k) {
            const Value& v = t.TakaraTier[k];
            if (v.isBlank()) continue;
            if (!v.isNumber() || v.num() < 1 || v.num() > 100)
                problem(file, QStringLiteral("tier %1").arg(k),
                        QStringLiteral("an item number within 1..100, found \"%1\"").arg(v.text()));
        }
        for (int k = 1; k <= 100; ++k) {
            const Value& v = t.TakaraList[k];
            if (v.isBlank()) continue;
            if (!v.isNumber() || v.num() < 1 || v.num() > 200 || v.num() == 100)
                problem(file, QStringLiteral("treasure %1").arg(k),
                        QStringLiteral("an equipment number 1..99 or an item code 101..200, "
                                       "found \"%1\"")
                            .arg(v.text()));
        }
    }

    void checkPlaces() {
        const QString file = QStringLiteral("MapEv_F");
        checkMapAndStairs(QString::fromLatin1(kWorldMap), QString::fromLatin1(kWorldMap),
                          QStringLiteral("data folder"), false);
        for (int p = 0; p <= 99; ++p) {
            const QString where = QStringLiteral("place %1").arg(p);
            // Places of kind 1 are overhead maps, whose event cells are the town screen's.
            if (!t_->PlaceMap[p].isBlank())
                checkMapAndStairs(t_->PlaceMap[p].text() + QStringLiteral(".map"), file, where,
                                  t_->PlaceKind[p] != Value(1));
            needNamed(t_->PlaceBgm[p], Kind::Music, file, where);
            needNamed(t_->PlaceBattleBack[p], Kind::Picture, file, where);
            numeric(t_->PlaceEncounter[p], file, where + QStringLiteral(", encounter rate"));
            numeric(t_->PlaceEntry(p, 0), file, where + QStringLiteral(", entry x"));
            numeric(t_->PlaceEntry(p, 4), file, where + QStringLiteral(", entry y"));
            for (int k = 0; k <= 9; ++k) {
                const Value& code = t_->PlaceEnemySet(p, k);
                if (code.isBlank()) continue;
                if (!code.isNumber() || code.num() < 0 || code.num() > 99)
                    problem(file, where + QStringLiteral(", enemy set %1").arg(k),
                            QStringLiteral("an enemy code within 0..99, found \"%1\"")
                                .arg(code.text()));
            }
        }
    }

    // Event cells that name a conditional block, a boss or a treasure the data does not have.
    void checkFieldEvents(const QString& mapFile, const MapFileData& map) {
        for (int y = 0; y <= map.mapSize; ++y) {
            for (int x = 0; x <= map.mapSize; ++x) {
                const EventCell e = decodeEventCell(map.cell(x, y)[kEventLayer]);
                const QString where = QStringLiteral("cell (%1, %2)").arg(x).arg(y);
                if (e.type == kStoryCell && e.code > kLastSceneCode && e.code <= kLastBlockCode) {
                    const int block = e.code - kLastSceneCode;
                    if (blocks_ && block > blocks_->count)
                        problem(mapFile, where,
                                QStringLiteral("a conditional block with a row in \"KEv_F\", "
                                               "found block %1 (the file has %2)")
                                    .arg(block)
                                    .arg(blocks_->count));
                } else if (e.type == kStoryCell && e.code > kLastBlockCode) {
                    const int boss = e.code - kLastBlockCode;
                    if (boss > kBossCount)
                        problem(mapFile, where,
                                QStringLiteral("a boss within 1..%1, found boss %2")
                                    .arg(kBossCount)
                                    .arg(boss));
                } else if (e.type == kTreasureCell && treasure_) {
                    checkChest(mapFile, where, e.code);
                }
            }
        }
    }

    void checkChest(const QString& mapFile, const QString& where, int code) {
        const TreasureTable& t = *treasure_;
        if (code != 0) {
            if (code < 1 || code > 100 || t.TakaraList[code] == Value(0))
                problem(mapFile, where,
                        QStringLiteral("a treasure number with a find in \"Takara_F\", found %1")
                            .arg(code));
            return;
        }
        // A random chest draws one of the first n tiers, n being how many are present.
        int present = 0, leading = 0;
        for (int k = 0; k <= 5; ++k) {
            if (t.TakaraTier[k].isBlank()) continue;
            ++present;
            if (leading == k) ++leading;
        }
        const Value& mode = t.TakaraMode;
        const bool knownMode = mode.isBlank() || (mode.isNumber() && mode.num() >= 0 &&
                                                  mode.num() <= 2 && mode.num() == mode.toInt());
        if (present == 0 || present != leading || !knownMode)
            problem(mapFile, where,
                    QStringLiteral("a random treasure drawing from \"Takara_F\", which needs "
                                   "mode 0, 1 or 2 and tiers 0, 1, … with none left out"));
    }

    void numeric(const Value& v, const QString& file, const QString& position) {
        if (v.isText() && !v.isBlank() && !Value::isNumericText(v.text()))
            problem(file, position, QStringLiteral("a number, found \"%1\"").arg(v.text()));
    }

    void checkFacilitiesAndScenes() {
        for (int b = 1; b <= 100; ++b)
            needNamed(t_->BuildingPicture[b], Kind::Picture, QStringLiteral("MatiEv_F"),
                      QStringLiteral("facility %1").arg(b));
        for (int n = 1; n <= 40; ++n)
            needNamed(t_->ScenePicture[n], Kind::Picture, QStringLiteral("Sene_F"),
                      QStringLiteral("scene %1").arg(n));
    }

    void checkOpening(const OpeningData& d) {
        for (int page = 1; page <= 20; ++page)
            needNamed(d.OpeningPicture[page], Kind::Picture, QStringLiteral("s_f"),
                      QStringLiteral("page %1").arg(page));
    }

    QString dir_;
    std::unique_ptr<MasterTables> t_;
    std::unique_ptr<BlockTable> blocks_;
    std::unique_ptr<TreasureTable> treasure_;
    QSet<QString> seen_;
    DataCheckResult r_;
};
}  // namespace

QString DataCheckResult::summary() const {
    return QStringLiteral("%1 data files, %2 maps, %3 pictures and %4 music files checked: %5")
        .arg(dataFiles)
        .arg(maps)
        .arg(pictures)
        .arg(music)
        .arg(ok() ? QStringLiteral("no problems")
                  : QStringLiteral("%1 problem(s)").arg(problems.size()));
}

DataCheckResult checkDataDir(const QString& dir) {
    return Checker(dir).run();
}

int runDataCheck(const QString& dir, std::FILE* out) {
    const DataCheckResult r = checkDataDir(dir);
    for (const QString& p : r.problems) std::fprintf(out, "%s\n", p.toLocal8Bit().constData());
    std::fprintf(out, "%s\n", r.summary().toLocal8Bit().constData());
    return r.ok() ? 0 : 1;
}
