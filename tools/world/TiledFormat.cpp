#include "world/TiledFormat.h"

#include <QStringList>

namespace {
const QStringList kSheetNames = {QStringLiteral("ground"), QStringLiteral("feature"),
                                 QStringLiteral("prop"), QStringLiteral("block"),
                                 QStringLiteral("tall")};
const QString kOverheadTall = QStringLiteral("tall-overhead");
}  // namespace

QString layerName(Sheet s) {
    return kSheetNames[int(s)];
}

QString tilesetName(Sheet s, TiledView view) {
    return s == Sheet::Tall && view == TiledView::Overhead ? kOverheadTall : layerName(s);
}

std::optional<Sheet> sheetOfTileset(const QString& name) {
    if (name == kOverheadTall) return Sheet::Tall;
    const int i = kSheetNames.indexOf(name);
    if (i < 0) return std::nullopt;
    return Sheet(i);
}

TiledView viewOf(const World& w, const QString& mapName) {
    for (const PlaceDef& p : w.places)
        if (p.map == mapName && p.kind == 1) return TiledView::Overhead;
    return TiledView::Field;
}
