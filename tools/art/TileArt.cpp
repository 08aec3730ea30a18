#include "art/TileArt.h"

#include "art/TilePainters.h"
#include "world/Source.h"

namespace {
const QStringList kAutotilePainters = {"water", "wall", "roof"};

// Draws a prop, block or tall object on a transparent cell picture.
bool drawInto(QImage& img, bool tall, const Recipe& r, Rng& rng) {
    QPainter p;
    beginPainter(p, img, true);
    const bool drawn = tall ? drawTall(p, r, rng) : drawObject(p, r, rng);
    p.end();
    return drawn;
}
}  // namespace

void paintTile(QImage& cell, const TileDef& tile, int variant) {
    const Recipe r(tile.painter);
    Rng rng(tile.name + QStringLiteral("/") + QString::number(variant));
    auto fail = [&](const QString& what) {
        throw ContentError(QStringLiteral("tiles.txt"), 0,
                           QStringLiteral("tile \"%1\": %2").arg(tile.name, what));
    };
    if (tile.autotile != kAutotilePainters.contains(r.kind()))
        fail(tile.autotile ? "this painter draws no autotile variants"
                           : "this painter needs \"auto\" after the code");
    switch (tile.sheet) {
        case Sheet::Ground:
            if (r.kind() == "water")
                paintWater(cell, r, variant, rng);
            else if (r.kind() == "wall")
                paintWall(cell, r, variant, rng);
            else if (r.kind() == "roof")
                paintRoof(cell, r, variant, rng);
            else
                paintGroundRecipe(cell, r, rng);
            return;
        case Sheet::Feature:
            if (r.kind() == "wall")
                paintWall(cell, r, variant, rng);
            else
                paintFeature(cell, r, rng);
            return;
        case Sheet::Prop:
        case Sheet::Block:
            if (!drawInto(cell, false, r, rng)) fail("no object painter \"" + r.kind() + "\"");
            break;
        case Sheet::Tall:
            if (!drawInto(cell, true, r, rng)) fail("no tall painter \"" + r.kind() + "\"");
            break;
    }
    hardenAlpha(cell);
    if (r.str("outline", "yes") != "no") addOutline(cell, r.color("ink", QColor(22, 18, 26)));
}

QImage objectSprite(const Recipe& r, int size) {
    QImage img = blankArgb(size, size);
    Rng rng(r.text());
    const bool drawn = drawInto(img, size == 64, r, rng);
    if (!drawn)
        throw ContentError(QStringLiteral("pictures.txt"), 0, "no object \"" + r.kind() + "\"");
    hardenAlpha(img);
    addOutline(img, QColor(22, 18, 26));
    return img;
}

void drawObjectAt(QPainter& p, const Recipe& r, const QRectF& target, int cellSize) {
    Rng rng(r.text());
    p.save();
    p.translate(target.topLeft());
    p.scale(target.width() / cellSize, target.height() / cellSize);
    const bool drawn = cellSize == 64 ? drawTall(p, r, rng) : drawObject(p, r, rng);
    p.restore();
    if (!drawn)
        throw ContentError(QStringLiteral("pictures.txt"), 0, "no object \"" + r.kind() + "\"");
}
