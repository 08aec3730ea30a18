#include "PlayFixture.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <cstdio>

#include "battle/BattleMagic.h"
#include "battle/BattleScreen.h"
#include "battle/GameOverScreen.h"
#include "core/GameError.h"
#include "core/Startup.h"
#include "core/Text.h"
#include "field/FieldScreen.h"
#include "party/CharacterRules.h"
#include "party/ItemScreen.h"
#include "party/MagicRules.h"
#include "party/MagicScreen.h"
#include "party/PartyView.h"
#include "platform/Label.h"
#include "story/SceneScreen.h"
#include "worldmap/MapPointer.h"
#include "worldmap/MapScreen.h"
#include "worldmap/ShopScreen.h"

namespace {
// Thrown once a failure has been reported that leaves nothing to go on with (the party fell, a
// battle that does not end, no way to the goal): it ends the step.
struct StoryStopped {};

constexpr int kParalysed = 3;
constexpr int kPetrified = 5;
constexpr int kItemCodeBase = 100;

// The row of a list showing `text` (trailing spaces aside), -1 for none.
int rowShowing(const QListWidget& list, const QString& text) {
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->text().trimmed() == text.trimmed()) return row;
    return -1;
}

// Picks `name` on the open item screen and uses it on the member at `targetPosition`; false when
// the list does not show it.
bool useOn(Item& items, const QString& name, int targetPosition) {
    const int row = rowShowing(*items.List1, name);
    if (row < 0) return false;
    items.List1_Click(row);
    items.Picture1_Click(targetPosition - 1);
    items.Command1_Click(1);  // 使用
    return true;
}

// Picks spell `name` on the open magic screen and casts it, on the ally at `targetPosition` when
// that is above 0; false when the list does not show it.
bool castOn(Magic& magic, const QString& name, int targetPosition) {
    const int row = rowShowing(*magic.List1, name);
    if (row < 0) return false;
    magic.List1_Click(row);
    if (targetPosition > 0) magic.Picture2_Click(targetPosition - 1);
    magic.Command1_Click(0);  // 使用
    return true;
}
}  // namespace

void PlayThrough::SetUp() {
    const QDir world(sampleWorldDir());
    // The build generates the world before the tests; without it there is nothing to play.
    ASSERT_TRUE(world.exists(QStringLiteral("Map_f01.map")))
        << "the sample world has not been generated in " << world.path().toStdString();
    // The game plays on a copy, so its saves never touch the generated world.
    for (const QString& name : world.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(world.filePath(name), data.file(name))) << name.toStdString();

    // Screens shown with waiting that the player meets anywhere: battles are fought through,
    // and a lost one ends the story.
    keepDriving<sentou>([this](sentou& b) { fight(b); });
    keepDriving<G_End>([this](G_End&) {
        QString members;
        for (int pos = 1; pos <= shownCount(st()); ++pos)
            if (!st().PartyMember[pos].isBlank())
                members += QStringLiteral(" %1 L%2")
                               .arg(nameOf(member(pos)))
                               .arg(st().CharLevel[member(pos)]);
        ADD_FAILURE() << "the party fell in battle (" << tally.battles << " battles so far, "
                      << "story progress " << st().StoryProgress << ", party"
                      << members.toStdString() << ", on " << mapName().toStdString() << " at "
                      << describe(party()).toStdString() << ")";
        throw StoryStopped{};
    });
    Main(*game);
}

void PlayThrough::step(const QString& name, const std::function<void()>& body) {
    if (stopped_) return;  // the story cannot go on
    SCOPED_TRACE(("step: " + name).toStdString());
    stepName = name;
    try {
        body();
        if (qEnvironmentVariableIsSet("HOSHIKAGE_PLAY_LOG"))
            std::fprintf(stderr, "[play] %s | %s progress %d level %d gold %.0f battles %d\n",
                         qPrintable(name), qPrintable(mapName()), st().StoryProgress, leaderLevel(),
                         st().Gold, tally.battles);
    } catch (const StoryStopped&) {
        stopped_ = true;
    } catch (const GameError& e) {
        ADD_FAILURE() << "the game reported broken data: " << e.report().toStdString();
        stopped_ = true;
    } catch (const ProgramEnded& e) {
        ADD_FAILURE() << "the program ended with status " << e.status;
        stopped_ = true;
    }
    if (HasFatalFailure()) stopped_ = true;
}

// --- The party
// ------------------------------------------------------------------------------------

int PlayThrough::member(int position) {
    return static_cast<int>(st().PartyMember[position].toInt());
}

QString PlayThrough::nameOf(int character) {
    return trimSpaces(st().CharacterTable[character].CharName);
}

int PlayThrough::leaderLevel() {
    return st().CharLevel[member(1)];
}

int PlayThrough::carried(int code) {
    int n = 0;
    for (int k = st().InvItem.lo; k <= st().InvItem.hi; ++k)
        if (!st().InvItem[k].isBlank() && st().InvItem[k].toInt() == code) ++n;
    return n;
}

int PlayThrough::itemNo(const QString& name) {
    for (int i = 1; i <= st().ItemTable.hi; ++i)
        if (trimSpaces(st().ItemTable[i].ItemName) == name) return i;
    ADD_FAILURE() << "no item named " << name.toStdString();
    throw StoryStopped{};
}

int PlayThrough::equipNo(const QString& name) {
    for (int i = 1; i <= st().EquipTable.hi; ++i)
        if (trimSpaces(st().EquipTable[i].EquipName) == name) return i;
    ADD_FAILURE() << "no equipment named " << name.toStdString();
    throw StoryStopped{};
}

// --- The overhead map and the towns
// ------------------------------------------------------------------

M_Map& PlayThrough::overhead() {
    return game->form<M_Map>();
}

QString PlayThrough::pointAt(int kind, int number) {
    M_Map& map = overhead();
    if (!map.isLoaded()) {
        ADD_FAILURE() << "the overhead map is not on view";
        throw StoryStopped{};
    }
    const std::optional<QPoint> spot = findHotSpot(st(), kind, number);
    if (!spot) {
        ADD_FAILURE() << "no hot spot of kind " << kind << " number " << number << " on "
                      << st().MapFileName.toStdString();
        throw StoryStopped{};
    }
    // Scroll with the arrow keys until the spot lies inside the window (the view's last row is
    // cut off by the window's edge).
    for (int ticks = 0;; ++ticks) {
        int key = 0;
        if (spot->x() < map.scrollX())
            key = Qt::Key_Left;
        else if (spot->x() > map.scrollX() + 24)
            key = Qt::Key_Right;
        else if (spot->y() < map.scrollY())
            key = Qt::Key_Up;
        else if (spot->y() > map.scrollY() + 17)
            key = Qt::Key_Down;
        if (key == 0) break;
        if (ticks > 200) {
            ADD_FAILURE() << "the view does not scroll to " << describe(*spot).toStdString();
            throw StoryStopped{};
        }
        map.Picture1_KeyDown(key);
        map.Timer1_Timer();
        map.Picture1_KeyUp(key);
    }
    map.Picture1_MouseMove((spot->x() - map.scrollX()) * 32 + 12,
                           (spot->y() - map.scrollY()) * 32 + 12);
    return map.Label1->caption();
}

void PlayThrough::clickSpot(int kind, int number) {
    pointAt(kind, number);
    overhead().Picture1_Click();
}

void PlayThrough::visit(int shopNo, const std::function<void(mise&)>& inside) {
    bool shown = false;
    onShow<mise>([&](mise& shop) {
        shown = true;
        inside(shop);
        if (shop.isLoaded()) shop.Command2_Click(2);  // 外に出る
    });
    ASSERT_EQ(pointAt(kFacilitySpot, shopNo), facilityName(shopNo).value_or(QString()));
    overhead().Picture1_Click();
    ASSERT_TRUE(shown) << "facility " << shopNo << " did not open";
    ASSERT_FALSE(game->form<mise>().isLoaded());
}

void PlayThrough::buy(mise& shop, const QString& ware, int quantity) {
    shop.Option1_Click(1);
    const int row = rowShowing(*shop.List2, ware);
    ASSERT_GE(row, 0) << ware.toStdString() << " is not for sale here";
    shop.List2_Click(row);
    for (int k = 1; k < quantity; ++k) shop.Command1_Click(0);
    shop.List2_DblClick(row);
    shop.Command2_Click(0);  // は　い
}

void PlayThrough::equip(const std::function<void()>& openItemScreen, const QString& piece,
                        int position) {
    bool shown = false;
    onShow<Item>([&](Item& items) {
        shown = true;
        items.Option1_Click(0);  // 武器
        const int row = rowShowing(*items.List1, piece);
        EXPECT_GE(row, 0) << piece.toStdString() << " is not in the inventory";
        if (row >= 0) {
            items.Picture1_Click(position - 1);
            items.List1_Click(row);
            items.Command1_Click(0);  // 装備
        }
        if (items.isLoaded()) items.Command1_Click(3);  // 終了
    });
    openItemScreen();
    ASSERT_TRUE(shown);
}

void PlayThrough::outfit(const std::function<void()>& openItemScreen) {
    // Each front member puts on the strongest piece the inventory holds for every slot, as long as
    // it beats what the member already wears and the member may wear it.
    for (int pos = 1; pos <= shownCount(st()); ++pos) {
        if (st().PartyMember[pos].isBlank()) continue;
        const int c = member(pos);
        const CharacterRecord& who = st().CharacterTable[c];
        for (int slot = 1; slot <= 5; ++slot) {
            const int worn = st().CharEquipNo(c, slot);
            int best = 0;
            int bestPower = worn > 0 ? st().EquipTable[worn].EquipPower : -1;
            for (int e = 1; e <= st().EquipTable.hi; ++e) {
                const EquipRecord& piece = st().EquipTable[e];
                if (piece.EquipSlot != slot || piece.EquipPower <= bestPower || carried(e) == 0)
                    continue;
                const auto group = specialEquipGroup(piece.EquipNo);
                if (group ? who.CharNo != *group : !classMayWear(who.ClassNo, piece.EquipClassMask))
                    continue;
                best = e;
                bestPower = piece.EquipPower;
            }
            if (best != 0) {
                equip(openItemScreen, trimSpaces(st().EquipTable[best].EquipName), pos);
                EXPECT_EQ(st().CharEquipNo(c, slot), best)
                    << nameOf(c).toStdString() << " could not put on "
                    << trimSpaces(st().EquipTable[best].EquipName).toStdString();
            }
        }
    }
}

void PlayThrough::outfitOnField() {
    outfit([this] { field().Command1_Click(0); });
}

// --- The field
// --------------------------------------------------------------------------------------

Main_Fr& PlayThrough::field() {
    return game->form<Main_Fr>();
}

QPoint PlayThrough::party() {
    return QPoint(st().MapX - 1, st().MapY);
}

QString PlayThrough::mapName() {
    return st().MapFileName;
}

void PlayThrough::tick(int dir) {
    Main_Fr& f = field();
    f.M2_Map_KeyDown(keyFor(dir));
    f.Timer1_Timer();
}

QPoint PlayThrough::walkTo(const QString& what, const CellGoal& goal) {
    const QString map = mapName();
    for (int steps = 0;; ++steps) {
        if (!field().isLoaded()) {
            ADD_FAILURE() << "the field closed on the way to " << what.toStdString();
            throw StoryStopped{};
        }
        const QPoint from = party();
        const auto way = findWay(st(), from, goal);
        if (!way) {
            ADD_FAILURE() << "no way to " << what.toStdString() << " from "
                          << describe(from).toStdString() << " on " << map.toStdString();
            throw StoryStopped{};
        }
        if (way->empty()) return from;
        if (steps > 3000) {
            ADD_FAILURE() << "still on the way to " << what.toStdString() << " after " << steps
                          << " steps";
            throw StoryStopped{};
        }
        const int battles = tally.battles;
        const bool last = way->size() == 1;
        const QPoint target = stepFrom(from, way->front());
        const bool bump = !standable(st(), target);
        tick(way->front());
        if (tally.battles != battles) {
            tendParty();
            if (weak() && !resting_) rest();
        }
        if (last && (bump || party() == target)) return target;
    }
}

void PlayThrough::trainUntil(int level) {
    // Beside a spring, to and fro between two cells; the spring mends the party whenever a fight
    // has left someone weak.
    outfitOnField();
    walkTo(QStringLiteral("the spring"), fixedEventCell(kFountain));
    const QPoint home = party();
    int dir = 0;
    for (int d = 1; d <= 4 && dir == 0; ++d)
        if (standable(st(), stepFrom(home, d))) dir = d;
    ASSERT_NE(dir, 0) << "no room to walk at " << describe(home).toStdString();
    for (int steps = 0; leaderLevel() < level; ++steps) {
        ASSERT_LT(steps, 20000) << "the leader is still at level " << leaderLevel();
        const int battles = tally.battles;
        tick(dir);
        dir = 5 - dir;
        if (tally.battles == battles) continue;
        // Back to the spring after every fight: it mends wounds and magic alike.
        walkTo(QStringLiteral("the spring"), fixedEventCell(kFountain));
        walkTo(QStringLiteral("the training ground"), cellAt(home));
    }
    field().M2_Map_KeyUp(0);
}

bool PlayThrough::weak() {
    if (anyoneDown() || mostHurt(60) != 0) return true;
    int mp = 0, maxMp = 0;
    for (int pos = 1; pos <= shownCount(st()); ++pos) {
        if (st().PartyMember[pos].isBlank()) continue;
        mp += st().CharMP[member(pos)];
        maxMp += st().CharacterTable[member(pos)].MaxMP;
    }
    return mp * 10 < maxMp * 4;
}

bool PlayThrough::belowPeak(int percent) {
    for (int pos = 1; pos <= shownCount(st()); ++pos) {
        if (st().PartyMember[pos].isBlank()) continue;
        const int c = member(pos);
        const CharacterRecord& who = st().CharacterTable[c];
        if (st().CharHP[c] * 100 < who.MaxHP * percent) return true;
        if (who.MaxMP >= 20 && st().CharMP[c] * 100 < who.MaxMP * percent) return true;
    }
    return false;
}

void PlayThrough::rest(bool beforeBoss) {
    // A player checks the party's gear, drinks at the map's spring when one can be reached, and
    // makes do with spells and herbs otherwise.
    outfitOnField();
    tendParty();
    if (findWay(st(), party(), fixedEventCell(kFountain))) {
        resting_ = true;
        walkTo(QStringLiteral("the spring"), fixedEventCell(kFountain));
        resting_ = false;
        return;
    }
    // No spring on this floor: when the party is in a bad way it goes down a floor to drink
    // there, and comes back up.
    const bool worthTheWalk = beforeBoss ? belowPeak(80) : weak();
    if (!worthTheWalk || !findWay(st(), party(), fixedEventCell(kStairsDown))) return;
    resting_ = true;
    walkTo(QStringLiteral("the stairs down to a spring"), fixedEventCell(kStairsDown));
    rest(beforeBoss);
    resting_ = true;
    walkTo(QStringLiteral("the stairs back up from the spring"), fixedEventCell(kStairsUp));
    resting_ = false;
}

bool PlayThrough::anyoneDown() {
    for (int pos = 1; pos <= shownCount(st()); ++pos)
        if (!st().PartyMember[pos].isBlank() && st().CharHP[member(pos)] <= 0) return true;
    return false;
}

int PlayThrough::mostHurt(int percent) {
    int worst = 0;
    double lowest = percent / 100.0;
    for (int pos = 1; pos <= shownCount(st()); ++pos) {
        if (st().PartyMember[pos].isBlank()) continue;
        const int c = member(pos);
        const int hp = st().CharHP[c];
        const double share = static_cast<double>(hp) / std::max(1, st().CharacterTable[c].MaxHP);
        if (hp > 0 && share < lowest) {
            lowest = share;
            worst = pos;
        }
    }
    return worst;
}

void PlayThrough::tendParty() {
    for (int round = 0; round < 12; ++round) {
        const int pos = mostHurt(70);
        if (pos == 0) return;
        // The cheapest healing spell someone in front can pay for, else the herbs.
        bool healed = false;
        for (int caster = 1; caster <= shownCount(st()) && !healed; ++caster) {
            const int c = member(caster);
            if (st().CharHP[c] <= 0) continue;
            for (int spell : spellsKnown(st().CharacterTable[c].CharNo, st().CharLevel[c])) {
                const MagicRecord& m = st().MagicTable[spell];
                if (m.MagicKind != spellkind::kOneAlly || m.MagicEffect != 1) continue;
                if (st().CharMP[c] < m.MagicCost) continue;
                const int before = st().CharHP[member(pos)];
                castOnField(caster, spell, pos);
                healed = st().CharHP[member(pos)] > before;
                break;
            }
        }
        for (const char* herb : {"やくそう", "上やくそう", "特上やくそう"}) {
            if (healed) break;
            const int code = itemNo(QString::fromUtf8(herb)) + kItemCodeBase;
            if (carried(code) == 0) continue;
            const int before = st().CharHP[member(pos)];
            useItemOnField(code, pos);
            healed = st().CharHP[member(pos)] > before;
        }
        if (!healed) return;
    }
}

void PlayThrough::castOnField(int casterPosition, int spell, int targetPosition) {
    const QString name = st().MagicTable[spell].MagicName;
    onShow<Magic>([&](Magic& m) {
        while (m.casterPosition() < casterPosition) m.Command2_Click(1);
        ASSERT_TRUE(castOn(m, name, targetPosition)) << name.toStdString();
        if (m.isLoaded()) m.Command1_Click(1);
    });
    field().Command1_Click(1);
    ++tally.fieldSpells;
}

void PlayThrough::useItemOnField(int itemCode, int targetPosition) {
    const QString name = st().ItemTable[itemCode - kItemCodeBase].ItemName;
    onShow<Item>([&](Item& items) {
        ASSERT_TRUE(useOn(items, name, targetPosition)) << name.toStdString();
        if (items.isLoaded()) items.Command1_Click(3);
    });
    field().Command1_Click(0);
}

// --- Scenes
// -----------------------------------------------------------------------------------------

QStringList PlayThrough::readScene() {
    Ev_frm& scene = game->form<Ev_frm>();
    QStringList pages;
    for (int k = 0; scene.isLoaded(); ++k) {
        if (k > 40) {
            ADD_FAILURE() << "scene " << scene.sceneNo() << " does not end";
            throw StoryStopped{};
        }
        pages << scene.Label1->caption();
        scene.Label1_Click();
    }
    return pages;
}

void PlayThrough::tellScene(int n) {
    const int progress = st().StoryProgress;
    walkTo(QStringLiteral("the cell of scene %1").arg(n), sceneCell(n));
    Ev_frm& scene = game->form<Ev_frm>();
    ASSERT_TRUE(scene.isLoaded()) << "scene " << n << " did not open";
    EXPECT_EQ(scene.sceneNo(), n);
    EXPECT_FALSE(scene.showsShortText()) << "scene " << n << " is told in full";
    const QStringList pages = readScene();
    ASSERT_FALSE(pages.isEmpty());
    EXPECT_EQ(pages.front(), st().SceneLine(n, 1).text());
    EXPECT_EQ(st().StoryProgress, progress + 1);
}

// --- Battles
// ----------------------------------------------------------------------------------------

void PlayThrough::fight(sentou& battle) {
    ++tally.battles;
    if (st().BossNo > 0) ++tally.bossBattles;
    int levels = 0;
    for (int pos = 1; pos <= 4; ++pos) levels += st().CharLevel[member(pos)];
    for (int turn = 0; battle.isLoaded(); ++turn) {
        if (turn > 3000) {
            ADD_FAILURE() << "battle " << tally.battles << " does not end";
            throw StoryStopped{};
        }
        takeTurn(battle);
    }
    int after = 0;
    for (int pos = 1; pos <= 4; ++pos) after += st().CharLevel[member(pos)];
    tally.levelUps += after - levels;
    if (qEnvironmentVariableIsSet("HOSHIKAGE_PLAY_LOG")) {
        QString line = QStringLiteral("  battle %1 boss %2 on %3:")
                           .arg(tally.battles)
                           .arg(st().BossNo)
                           .arg(mapName());
        for (int i = 1; i <= st().EnemyCount; ++i) line += u' ' + trimSpaces(battle.FoeName[i]);
        line += QStringLiteral(" | party");
        for (int pos = 1; pos <= shownCount(st()); ++pos)
            line += QStringLiteral(" %1 L%2 %3/%4 MP%5")
                        .arg(nameOf(member(pos)))
                        .arg(st().CharLevel[member(pos)])
                        .arg(st().CharHP[member(pos)])
                        .arg(st().CharacterTable[member(pos)].MaxHP)
                        .arg(st().CharMP[member(pos)]);
        std::fprintf(stderr, "%s\n", qPrintable(line));
    }
}

bool PlayThrough::aimAtStandingFoe(sentou& battle) {
    if (battle.SelectedTarget >= 1 && battle.SelectedTarget <= st().EnemyCount &&
        battle.FoeHP[battle.SelectedTarget] > 0)
        return true;
    // A press on each column of the view in turn, as a player looks for a foe still standing.
    for (int column = 0; column < 25; ++column) {
        battle.Picture1_MouseDown(column * 32 + 16, 200);
        if (battle.SelectedTarget >= 1 && battle.FoeHP[battle.SelectedTarget] > 0) return true;
    }
    return false;
}

void PlayThrough::takeTurn(sentou& battle) {
    GameState& s = st();
    if (!aimAtStandingFoe(battle)) {
        ADD_FAILURE() << "no foe left to aim at in an unfinished battle";
        throw StoryStopped{};
    }
    const int pos = battle.ActorPos;
    const int c = member(pos);
    const bool canAct = !s.PartyMember[pos].isBlank() && s.CharHP[c] > 0 &&
                        s.CharAilment[pos] != kParalysed && s.CharAilment[pos] != kPetrified;
    if (canAct && (cureInBattle(battle, c) || healInBattle(battle, c) || attackSpell(battle, c)))
        return;
    if (!battle.isLoaded()) return;
    battle.Command1_Click(0);  // 戦う (a member who cannot act lets the turn pass)
    if (canAct) ++tally.blows;
}

bool PlayThrough::healInBattle(sentou& battle, int caster) {
    GameState& s = st();
    const int threshold = s.BossNo > 0 ? 55 : 40;
    const int target = mostHurt(threshold);
    if (target == 0) return false;
    int hurt = 0;
    for (int pos = 1; pos <= shownCount(s); ++pos)
        if (!s.PartyMember[pos].isBlank() && s.CharHP[member(pos)] > 0 &&
            s.CharHP[member(pos)] * 100 < threshold * s.CharacterTable[member(pos)].MaxHP)
            ++hurt;
    // The strongest healing the caster can pay for; all at once when several are hurt.
    int best = 0;
    for (int spell : spellsKnown(s.CharacterTable[caster].CharNo, s.CharLevel[caster])) {
        const MagicRecord& m = s.MagicTable[spell];
        if (m.MagicEffect != 1) continue;
        const bool one = m.MagicKind == spellkind::kOneAlly;
        const bool all = m.MagicKind == spellkind::kAllAllies && hurt >= 2;
        const int cost = one ? oneAllyCost(caster, m.MagicCost) : m.MagicCost;
        if ((!one && !all) || s.CharMP[caster] < cost) continue;
        if (best == 0 || m.MagicPower > s.MagicTable[best].MagicPower) best = spell;
    }
    if (best != 0) {
        if (castInBattle(battle, best, target)) return true;
    }
    // Herbs, the strongest first, from whoever stands in front.
    for (const char* herb : {"特上やくそう", "上やくそう", "やくそう"}) {
        const int code = itemNo(QString::fromUtf8(herb)) + kItemCodeBase;
        if (carried(code) > 0 && useItemInBattle(battle, code, target)) return true;
    }
    return false;
}

bool PlayThrough::cureInBattle(sentou& battle, int caster) {
    GameState& s = st();
    // A member held by paralysis or stone is freed first: nobody else can do it for them.
    for (int pos = 1; pos <= shownCount(s); ++pos) {
        const int ailment = s.CharAilment[pos];
        if (ailment != kParalysed && ailment != kPetrified) continue;
        if (s.CharHP[member(pos)] <= 0) continue;
        for (int spell : spellsKnown(s.CharacterTable[caster].CharNo, s.CharLevel[caster])) {
            const MagicRecord& m = s.MagicTable[spell];
            if (m.MagicKind != spellkind::kOneAlly) continue;
            if (m.MagicEffect != ailment + 1 && m.MagicEffect != 14) continue;
            if (s.CharMP[caster] < oneAllyCost(caster, m.MagicCost)) continue;
            if (castInBattle(battle, spell, pos)) return true;
            break;
        }
        for (int i = 1; i <= s.ItemTable.hi; ++i) {
            if (s.ItemTable[i].ItemEffect != ailment + 1) continue;
            if (carried(i + kItemCodeBase) > 0 && useItemInBattle(battle, i + kItemCodeBase, pos))
                return true;
        }
    }
    return false;
}

bool PlayThrough::attackSpell(sentou& battle, int caster) {
    GameState& s = st();
    int standing = 0;
    for (int i = 1; i <= s.EnemyCount; ++i) standing += battle.FoeHP[i] > 0 ? 1 : 0;
    const std::vector<int> known =
        spellsKnown(s.CharacterTable[caster].CharNo, s.CharLevel[caster]);
    // MP kept back for healing by those who can heal.
    int reserve = 0;
    for (int spell : known) {
        const MagicRecord& m = s.MagicTable[spell];
        if (m.MagicKind == spellkind::kOneAlly && m.MagicEffect == 1)
            reserve = std::max(reserve, oneAllyCost(caster, m.MagicCost));
    }
    int best = 0, bestWorth = 0;
    for (int spell : known) {
        const MagicRecord& m = s.MagicTable[spell];
        if (m.MagicKind != spellkind::kOneEnemy && m.MagicKind != spellkind::kAllEnemies) continue;
        if (s.CharMP[caster] - attackSpellCost(caster, m.MagicCost) < reserve) continue;
        const int worth = m.MagicPower * (m.MagicKind == spellkind::kAllEnemies ? standing : 1);
        if (worth > bestWorth) {
            best = spell;
            bestWorth = worth;
        }
    }
    if (best == 0) return false;
    return castInBattle(battle, best, 0);
}

bool PlayThrough::castInBattle(sentou& battle, int spell, int targetPosition) {
    const QString name = st().MagicTable[spell].MagicName;
    onShow<Magic>([&](Magic& m) {
        castOn(m, name, targetPosition);
        if (m.isLoaded()) m.Command1_Click(1);
    });
    battle.Command1_Click(2);  // 魔法
    if (st().ActionResult == 0) return false;
    ++tally.spells;
    return true;
}

bool PlayThrough::useItemInBattle(sentou& battle, int itemCode, int targetPosition) {
    const QString name = st().ItemTable[itemCode - kItemCodeBase].ItemName;
    onShow<Item>([&](Item& items) {
        useOn(items, name, targetPosition);
        if (items.isLoaded()) items.Command1_Click(3);
    });
    battle.Command1_Click(1);  // 道具
    if (st().ActionResult == 0) return false;
    ++tally.items;
    return true;
}
