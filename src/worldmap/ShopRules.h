#pragma once

#include <QString>
#include <vector>

#include "core/Value.h"

struct GameState;

// What the shops trade: the stock and sell lists, prices, and what a purchase or a sale does to
// the money and the shared inventory. The shop screen shows these; the rules need no window.

// The five facilities of the shop screen, by facility number (ShopType). Numbers outside the five
// ranges open an empty frame (None).
enum class ShopKind { None = 0, Inn = 1, ItemShop = 2, WeaponShop = 3, Tavern = 4, Church = 5 };
ShopKind shopKindOf(int shopNo);

// The most entries the shared inventory may hold.
inline constexpr int kInventoryLimit = 50;

// Texts of the shop counter. Line breaks are character 13.
namespace shoptext {
inline const QString kWelcome = QStringLiteral("　いらっしゃいませ\r　何になさいますか？");
inline const QString kWhatElse = QStringLiteral("　何になさいますか？");
inline const QString kComeAgain = QStringLiteral("　またおいでください");
inline const QString kSoldThanks =
    QStringLiteral("  ありがとうございました!!\r  またおいでください");
inline const QString kBoughtThanks =
    QStringLiteral("  ありがとうございました!!\r   またおいでください");
inline const QString kNoMoney =
    QStringLiteral("  お金がたりません!!\r   お金をためてからまたおいでください。");
inline const QString kNothingToSell = QStringLiteral("売れるものがありません");
inline const QString kInventoryFull = QStringLiteral("これ以上アイテムを持つことはできません");
// The question under a quoted price (an empty price shows nothing before the currency).
QString quoteQuestion(const Value& price);
}  // namespace shoptext

// One line of a shop list: the table number of the ware and the name shown (with the trailing
// spaces of its fixed-width field). A sell line also names the inventory entry it stands for.
struct WareLine {
    int ref = 0;
    QString name;
    int entry = -1;
};

// The stock of facility shopNo: wares j = 1, 2, … named by BuildingB(shopNo, j), up to 20, ending
// before the first one whose record has number 0 (an empty entry points at the all-zero record 0).
// Item shops read the item table, weapon shops the equipment table; others have no stock.
std::vector<WareLine> stockList(const GameState& st, ShopKind kind, int shopNo);

// What the party can sell here, in inventory order: items (codes above 100) in the item shop,
// equipment (codes below 100) in the weapon shop. otherCount counts the occupied entries that are
// not on the list.
struct SellList {
    std::vector<WareLine> lines;
    int otherCount = 0;
};
SellList sellList(const GameState& st, ShopKind kind);

// The price of `quantity` of ware ref when buying, or of one when selling: half the table price,
// exactly (an odd price sells for a half gold).
double wareQuote(const GameState& st, ShopKind kind, int ref, bool buying, int quantity);

// Whether `count` more entries fit into the inventory: ItemCount may not pass 50, and every new
// entry needs a free place.
bool inventoryHasRoomFor(const GameState& st, int count);

// Adds one entry the way every screen does (ItemCount + 1, then the entry at index ItemCount),
// except that an entry never overwrites another: when index ItemCount is taken the first free
// entry is used. The name column is left as it is. Callers check the room first. Returns the
// entry used.
int addInventoryEntry(GameState& st, const Value& code, const Value& kind, const Value& power);

enum class Purchase { Done, NoMoney, NoRoom };

// Buys `quantity` of ware ref (the weapon shop always buys one) for `price`, all or nothing: when
// the money is short or the entries would not all fit, nothing changes. The new entries are put
// in order with Inv_Sort.
Purchase buyWares(GameState& st, ShopKind kind, int ref, int quantity, double price);

// Takes `price` for a service that adds nothing to the inventory (a night at the inn, a drink);
// false when the money is short.
bool payFor(GameState& st, double price);

// Sells inventory entry `entry` for `price`: the money goes up, the entry is emptied (code, name
// and kind empty, power 0), ItemCount goes down and the inventory is sorted again.
void sellEntry(GameState& st, int entry, double price);

// Whether the member at party position `position` may use equipment ref: the class part of the
// equipment rule.
bool memberMayUse(const GameState& st, int position, int ref);
