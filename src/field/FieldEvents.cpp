#include "field/FieldEvents.h"

#include <cmath>
#include <utility>

#include "core/Game.h"
#include "core/Text.h"
#include "core/ValueReader.h"
#include "field/FieldMoves.h"
#include "field/MapLoad.h"
#include "party/CharacterRules.h"

namespace {
// A switch and the cell below it where its stairs up appear (grid cells), with the tile.
struct SwitchStairs {
    int kind;
    int switchColumn, switchRow;
    int column, row;
    int tile;
};
constexpr SwitchStairs kSwitches[] = {{2, 6, 25, 6, 26, 1311}, {3, 5, 17, 5, 18, 1222}};
constexpr int kRevealedStairs = 304;

// The gate's two columns and its rows: the gate itself and the cells just inside.
constexpr int kGateColumns[] = {29, 30};
constexpr int kGateRow = 56;
constexpr int kInsideGateRow = 55;
constexpr int kGateShutTile = 1102;
constexpr int kGateOpenTile = 1411;
constexpr int kBlockedEvent = 100;
// The gate opens for good once the story has passed this point.
constexpr int kGateStoryLimit = 11;

// Random treasure: the range of the draw for 1..6 tiers present.
constexpr int kRangeForTiers[] = {0, 2, 8, 12, 15, 18, 20};
constexpr int kFixedFind = 99;
constexpr int kKeyItemFind = -1;
constexpr int kKeyItem = 3;
constexpr int kInventoryLimit = 50;

// The grid cell next to (column, row) in movement direction dir (1 up, 2 left, 3 right, 4 down).
std::pair<int, int> neighbour(int column, int row, int dir) {
    switch (dir) {
        case 1:
            return {column, row - 1};
        case 2:
            return {column - 1, row};
        case 3:
            return {column + 1, row};
        case 4:
            return {column, row + 1};
        default:
            return {column, row};
    }
}

// Where a moving block goes: its kinds count 1 up, 2 down, 3 right, 4 left.
std::optional<std::pair<int, int>> blockTarget(int kind, int column, int row) {
    static constexpr int kDirectionOfKind[] = {0, 1, 4, 3, 2};
    if (kind < 1 || kind > 4) return std::nullopt;
    return neighbour(column, row, kDirectionOfKind[kind]);
}

bool onMap(const GameState& st, int column, int row) {
    return column >= 0 && row >= 0 && column <= st.MapSize && row <= st.MapSize &&
           st.EventGrid.inRange(column, row);
}

int whole(const Value& v) {
    return static_cast<int>(v.toInt());
}
}  // namespace

void Ev_Load(Game& game, FieldEventState& ev) {
    ValueReader in = ValueReader::open(game.dataFile(QStringLiteral("KEv_F")));
    ev.blocks = readBlockTable(in);
}

void kaidan(Game& game, FieldMapState& field, FieldEventState& ev) {
    GameState& st = game.state();
    const bool up = st.EventCode == kStairsUp;
    if (st.FloorNo < 1) st.FloorNo = whole(field.StartFloor);
    if (field.StairsType == Value(0)) {  // empty counts as 0
        st.FloorNo += up ? 1 : -1;
        st.MapFileName = st.FloorMap[st.FloorNo].text() + QStringLiteral(".map");
        // The party was stepped back off the stairs: two steps take it one cell beyond them.
        stepParty(st, st.MoveDir);
        stepParty(st, st.MoveDir);
        st.MoveDir = 0;
        map_load1(game, field);
    } else if (field.StairsType == Value(1)) {
        if (up) {
            ev.StairRetX[st.FloorNo] = st.MapX;
            ev.StairRetY[st.FloorNo] = st.MapY;
            ++st.FloorNo;
            st.MapX = st.StairX[st.FloorNo];
            st.MapY = st.StairY[st.FloorNo];
        } else {
            --st.FloorNo;
            st.MapX = ev.StairRetX[st.FloorNo];
            st.MapY = ev.StairRetY[st.FloorNo];
        }
    }
}

void swit(Game& game) {
    GameState& st = game.state();
    game.platform().msgBox(kSwitchMessage);
    const CellAhead pressed = cellAhead(st);
    for (const SwitchStairs& s : kSwitches) {
        if (pressed.x - 1 == s.switchColumn && pressed.y == s.switchRow) st.SwitchKind = s.kind;
    }
    for (const SwitchStairs& s : kSwitches) {
        if (st.SwitchKind != s.kind) continue;
        st.MoveDir = 0;
        ++st.MapY;  // off the cell where the stairs appear
        st.FeatureGrid(s.column, s.row) = Value(s.tile);
        st.EventGrid(s.column, s.row) = Value(kRevealedStairs);
        logCellChange(st, {Value(st.MapFileName), Value(s.column + 1), Value(s.row), Value(0),
                           Value(kRevealedStairs), Value(s.tile), Value()});
        st.SwitchDone = 1;
    }
}

void tobira(GameState& st) {
    const bool shut = st.StoryProgress <= kGateStoryLimit;
    for (int column : kGateColumns) {
        st.FeatureGrid(column, kGateRow) = Value(shut ? kGateShutTile : kGateOpenTile);
        st.EventGrid(column, kGateRow) = Value(shut ? kBlockedEvent : 0);
        st.EventGrid(column, kInsideGateRow) = Value(0);
    }
    if (shut) --st.MapY;
}

void fountain(Game& game) {
    GameState& st = game.state();
    for (int k = 1; k <= st.PartyCount; ++k) {
        st.CurChar = whole(st.PartyMember[k]);
        const CharacterRecord& r = st.CharacterTable[st.CurChar];
        st.CharHP[st.CurChar] = r.MaxHP;
        st.CharMP[st.CurChar] = r.MaxMP;
    }
    game.platform().msgBox(kFountainMessage);
    st.CurChar = whole(st.PartyMember[1]);
    st.MoveDir = 0;
}

std::optional<QString> blockEvent(GameState& st, FieldMapState& field, const BlockTable& blocks,
                                  int block) {
    if (block < 1 || block > blocks.count) return std::nullopt;
    if (blocks.KEvNeed[block] > Value(st.StoryProgress)) return blocks.KEvTextA[block].text();
    if (field.KEvOnce == 0) {
        const int kind = whole(blocks.KEvKind[block]);
        // The block's cell is the one the party was stepped back from.
        const auto [column, row] = neighbour(st.MapX - 1, st.MapY, st.MoveDir);
        const auto target = blockTarget(kind, column, row);
        // A block at the map's edge has nowhere to go: it stays, and may act later.
        if (target && !onMap(st, target->first, target->second))
            return blocks.KEvTextB[block].text();
        field.KEvOnce = 1;
        stepParty(st, st.MoveDir);
        if (target) {
            st.EventGrid(target->first, target->second) = st.EventGrid(column, row);
            st.BlockGrid(target->first, target->second) = st.BlockGrid(column, row);
            st.EventGrid(column, row) = Value(0);
            st.BlockGrid(column, row) = Value(0);
        } else if (kind == 5 || kind == 6) {
            st.EventGrid(column, row) = Value(0);
            st.BlockGrid(column, row) = Value(0);
            st.PropGrid(column, row) = Value(0);
            logCellChange(st, {Value(st.MapFileName), Value(st.MapX), Value(st.MapY), Value(0),
                               Value(0), Value(), Value(0)});
        }
    }
    return blocks.KEvTextB[block].text();
}

std::optional<int> treasureTier(int mode, int r) {
    // Mode 1 draws r from 0, mode 2 from 1; both favour the first tiers.
    static constexpr int kLastOfTier1[] = {4, 8, 12, 15, 18, 20};
    static constexpr int kLastOfTier2[] = {5, 10, 14, 17, 19, 20};
    const int* last = mode == 1 ? kLastOfTier1 : kLastOfTier2;
    if (r < 0) return std::nullopt;
    for (int tier = 0; tier < 6; ++tier)
        if (r <= last[tier]) return tier;
    return std::nullopt;
}

std::optional<TreasureOutcome> takara_set(Game& game, FieldEventState& ev) {
    GameState& st = game.state();
    if (st.ItemCount >= kInventoryLimit) {
        st.ItemCount = kInventoryLimit;
        st.MessageLines[5] = kInventoryFull;
        return TreasureOutcome{st.MessageLines[5], false};
    }
    ValueReader in = ValueReader::open(game.dataFile(QStringLiteral("Takara_F")));
    const TreasureTable t = readTreasureTable(in);

    int result = ev.TakaraResult;
    int found = 0;
    QString text;
    Value kind;
    const int code = st.EventCode;
    if (code != 0) {
        if (!t.TakaraList.inRange(code) || code < 1 || t.TakaraList[code] == Value(0)) return {};
        result = kFixedFind;
        found = whole(t.TakaraList[code]);
        if (found > 100) {
            const ItemRecord& item = st.ItemTable[found - 100];
            text = trimSpaces(item.ItemName);
            kind = Value(item.ItemKeep);
            if (item.ItemKeep == kKeyItem) {
                result = kKeyItemFind;
                ++st.StoryProgress;
            }
        } else {
            const EquipRecord& equip = st.EquipTable[found];
            text = trimSpaces(equip.EquipName);
            kind = Value(equip.EquipSlot);
        }
    } else {
        game.platform().randomize();
        int tiers = 0;
        for (const Value& tier : t.TakaraTier) tiers += tier.isBlank() ? 0 : 1;
        if (tiers >= 1) ev.TakaraRange = kRangeForTiers[tiers];
        const int mode = whole(t.TakaraMode);
        const double draw = game.platform().rnd();
        if (mode == 0) {
            result = static_cast<int>(std::floor(tiers * draw));
        } else if (mode == 1 || mode == 2) {
            const int r = static_cast<int>(std::floor(ev.TakaraRange * draw)) + (mode == 2 ? 1 : 0);
            if (const auto tier = treasureTier(mode, r)) result = *tier;
        } else {
            return {};  // no such draw
        }
        // A drawn tier that the table leaves out finds nothing.
        if (result < 0 || result > 5 || t.TakaraTier[result].isBlank()) return {};
        if (result == 0) {
            st.Gold += t.TakaraTier[0].num();
            text = t.TakaraTier[0].text() + QStringLiteral("ゴールド");
        } else {
            found = whole(t.TakaraTier[result]);
            const ItemRecord& item = st.ItemTable[found];
            text = trimSpaces(item.ItemName);
            kind = Value(item.ItemKeep);
            found += 100;  // random finds are items
        }
    }
    ev.TakaraResult = result;
    st.MessageLines[5] = QString();

    const bool keep = result >= 1;
    st.MessageLines[4] = trimSpaces(st.CharacterTable[st.CurChar].CharName) + QStringLiteral("は") +
                         text + QStringLiteral("を見つけた");
    if (keep) {
        const int slot = ++st.ItemCount;
        st.InvItem[slot] = Value(found);
        st.InvKind[slot] = kind;
        st.InvPower[slot] = Value(0);
    }
    Cell_Open(st);
    return TreasureOutcome{st.MessageLines[4] + QChar(13) + st.MessageLines[5], true};
}
