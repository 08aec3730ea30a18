// Tall objects on 64 x 64 cells: trees, pillars and the world map's place icons.
//
// The two screens anchor a tall cell differently. The field stretches it to 96 x 96 and puts
// the map cell at sheet pixels (16..48, 24..56): the object stands on (32, 56). The town screen
// draws it unscaled 8 pixels up and left of the cell, so the map cell is at (8..40, 8..40):
// the object stands on (24, 40). Recipes say which screen a tile is for with view=field|town.

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "art/TilePainters.h"

namespace {

struct Anchor {
    QPointF base;  // where the object touches the ground
    double scale;  // object size relative to the field's
};

Anchor anchorOf(const Recipe& r) {
    if (r.str("view", "field") == "town") return {QPointF(24, 40), 0.62};
    return {QPointF(32, 56), 1.0};
}

void broadTree(QPainter& p, const Recipe& r, Rng& rng) {
    const Anchor a = anchorOf(r);
    const QColor leaf = r.color("base", QColor(54, 122, 58));
    const QColor bark = r.color("bark", QColor(104, 72, 48));
    p.translate(a.base);
    p.scale(a.scale, a.scale);
    p.setPen(Qt::NoPen);
    p.setBrush(bark);
    QPainterPath trunk;
    trunk.moveTo(-5, 0), trunk.lineTo(-3.5, -20), trunk.lineTo(3.5, -20), trunk.lineTo(5, 0);
    trunk.lineTo(8, 1), trunk.lineTo(-8, 1);
    p.drawPath(trunk);
    const QColor dark = shade(leaf, 0.72), light = shade(leaf, 1.45);
    litBlob(p, {-13, -27}, 14, 12, dark, shade(leaf, 1.1));
    litBlob(p, {13, -27}, 14, 12, dark, shade(leaf, 1.1));
    litBlob(p, {0, -36}, 18, 16, leaf, light);
    litBlob(p, {-8, -44}, 11, 9, leaf, light);
    litBlob(p, {9, -43}, 11, 9, leaf, light);
    p.setBrush(shade(leaf, 1.6));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(rng.range(-16, 12), rng.range(-48, -28)), 1.6, 1.6);
    if (r.has("fruit")) {
        p.setBrush(r.color("fruit", QColor(220, 60, 60)));
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(rng.range(-16, 16), rng.range(-40, -22)), 2.2, 2.2);
    }
}

void pineTree(QPainter& p, const Recipe& r) {
    const Anchor a = anchorOf(r);
    const QColor leaf = r.color("base", QColor(38, 94, 72));
    p.translate(a.base);
    p.scale(a.scale, a.scale);
    p.setPen(Qt::NoPen);
    p.setBrush(r.color("bark", QColor(96, 64, 44)));
    p.drawRect(QRectF(-3, -12, 6, 13));
    for (int k = 0; k < 4; ++k) {
        QPainterPath t;
        const double y = -54 + k * 10, w = 9 + k * 5;
        t.moveTo(0, y);
        t.lineTo(w, y + 16);
        t.lineTo(-w, y + 16);
        t.closeSubpath();
        QLinearGradient g(QPointF(-w, 0), QPointF(w, 0));
        g.setColorAt(0, shade(leaf, 1.4));
        g.setColorAt(0.5, leaf);
        g.setColorAt(1, shade(leaf, 0.7));
        p.setBrush(g);
        p.drawPath(t);
    }
    if (r.has("snow")) {
        p.setBrush(QColor(244, 248, 252));
        for (int k = 0; k < 4; ++k) p.drawEllipse(QPointF(-3 + k, -52 + k * 10), 4, 2);
    }
}

void deadTree(QPainter& p, const Recipe& r) {
    const Anchor a = anchorOf(r);
    const QColor bark = r.color("base", QColor(96, 84, 78));
    p.translate(a.base);
    p.scale(a.scale, a.scale);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(bark, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(-1, -30));
    p.setPen(QPen(bark, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-1, -28), QPointF(-14, -44));
    p.drawLine(QPointF(-1, -24), QPointF(13, -40));
    p.drawLine(QPointF(-1, -30), QPointF(2, -50));
    p.setPen(QPen(bark, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-10, -39), QPointF(-19, -38));
    p.drawLine(QPointF(9, -35), QPointF(18, -46));
    p.drawLine(QPointF(1, -44), QPointF(-5, -52));
}

void crystalPillar(QPainter& p, const Recipe& r) {
    const Anchor a = anchorOf(r);
    const QColor c = r.color("base", QColor(110, 190, 240));
    p.translate(a.base);
    p.scale(a.scale, a.scale);
    auto shard = [&](double x, double w, double h, double lean) {
        QPainterPath s;
        s.moveTo(x - w, 0);
        s.lineTo(x - w + lean, -h * 0.8);
        s.lineTo(x + lean * 1.3, -h);
        s.lineTo(x + w + lean, -h * 0.8);
        s.lineTo(x + w, 0);
        s.closeSubpath();
        QLinearGradient g(QPointF(x - w, 0), QPointF(x + w, 0));
        g.setColorAt(0, shade(c, 1.55));
        g.setColorAt(0.45, c);
        g.setColorAt(0.5, shade(c, 0.8));
        g.setColorAt(1, shade(c, 0.6));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(s);
    };
    shard(-11, 6, 30, -4);
    shard(12, 6, 26, 4);
    shard(0, 9, 52, 0);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(-3, -38), 1.5, 3);
}

void stonePillar(QPainter& p, const Recipe& r) {
    const Anchor a = anchorOf(r);
    const QColor c = r.color("base", QColor(180, 176, 170));
    p.translate(a.base);
    p.scale(a.scale, a.scale);
    QLinearGradient g(QPointF(-9, 0), QPointF(9, 0));
    g.setColorAt(0, shade(c, 1.3));
    g.setColorAt(0.6, c);
    g.setColorAt(1, shade(c, 0.65));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(-8, -46, 16, 44));
    p.setBrush(shade(c, 1.1));
    p.drawRect(QRectF(-12, -52, 24, 7));
    p.drawRect(QRectF(-12, -4, 24, 5));
    p.setBrush(shade(c, 0.75));
    for (int x : {-4, 0, 4}) p.drawRect(QRectF(x - 0.5, -44, 1, 39));
    if (r.flag("broken")) {
        p.setBrush(Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        QPainterPath cut;
        cut.moveTo(-14, -54), cut.lineTo(14, -54), cut.lineTo(14, -30), cut.lineTo(4, -36);
        cut.lineTo(-3, -28), cut.lineTo(-14, -34);
        p.drawPath(cut);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}

// An old standing stone with a star carved into it: the forest's heart.
void starStone(QPainter& p, const Recipe& r) {
    const Anchor a = anchorOf(r);
    const QColor c = r.color("base", QColor(150, 160, 150));
    p.translate(a.base);
    p.scale(a.scale, a.scale);
    QPainterPath s;
    s.moveTo(-13, 0), s.lineTo(-15, -30), s.cubicTo(-12, -50, 12, -52, 14, -32), s.lineTo(13, 0);
    s.closeSubpath();
    QLinearGradient g(QPointF(-14, 0), QPointF(14, 0));
    g.setColorAt(0, shade(c, 1.3));
    g.setColorAt(1, shade(c, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(s);
    p.setBrush(QColor(70, 120, 70));
    p.drawEllipse(QPointF(-8, -6), 6, 4);
    p.drawEllipse(QPointF(9, -10), 4, 6);
    p.setBrush(r.color("glow", QColor(250, 240, 170)));
    p.drawPath(starShape({0, -28}, 5, 8, 3.5));
}

// --- world map icons, about two cells wide, drawn for the town screen's anchor -------------

void townIcon(QPainter& p, const Recipe& r) {
    const QColor roof = r.color("roof", QColor(190, 70, 56));
    const QColor wall = r.color("wall", QColor(236, 226, 200));
    const QColor stone = r.color("stone", QColor(170, 164, 150));
    p.setPen(Qt::NoPen);
    // Town wall ring with towers at the corners.
    p.setBrush(shade(stone, 0.65));
    p.drawRoundedRect(QRectF(3, 16, 58, 44), 6, 6);
    p.setBrush(stone);
    p.drawRoundedRect(QRectF(5, 18, 54, 40), 5, 5);
    p.setBrush(QColor(110, 160, 80));
    p.drawRect(QRectF(9, 22, 46, 32));
    for (QPointF t : {QPointF(6, 19), QPointF(58, 19), QPointF(6, 57), QPointF(58, 57)}) {
        p.setBrush(shade(stone, 0.8));
        p.drawEllipse(t, 5, 5);
        p.setBrush(shade(stone, 1.2));
        p.drawEllipse(t - QPointF(1, 1), 3, 3);
    }
    auto house = [&](double x, double y, double w, QColor rc) {
        p.setBrush(wall);
        p.drawRect(QRectF(x, y, w, w * 0.7));
        p.setBrush(QColor(80, 60, 50));
        p.drawRect(QRectF(x + w * 0.4, y + w * 0.35, w * 0.22, w * 0.35));
        QPainterPath t;
        t.moveTo(x - 2, y), t.lineTo(x + w / 2, y - w * 0.55), t.lineTo(x + w + 2, y);
        t.closeSubpath();
        p.setBrush(rc);
        p.drawPath(t);
    };
    house(11, 30, 14, roof);
    house(34, 26, 17, shade(roof, 0.85));
    house(20, 44, 13, mix(roof, QColor(80, 90, 160), 0.5));
    house(40, 45, 12, roof);
    p.setBrush(QColor(90, 70, 60));
    p.drawRect(QRectF(28, 53, 8, 7));
    if (r.has("flag")) {
        p.setBrush(QColor(90, 70, 60));
        p.drawRect(QRectF(47, 2, 1.5, 22));
        p.setBrush(r.color("flag", QColor(60, 120, 220)));
        p.drawRect(QRectF(48.5, 2, 10, 7));
    }
}

void forestIcon(QPainter& p, const Recipe& r) {
    const QColor leaf = r.color("base", QColor(40, 110, 60));
    const QPointF trees[] = {{18, 22}, {40, 18}, {30, 32}, {14, 40}, {46, 38}, {30, 48}};
    for (const QPointF& t : trees) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 64, 44));
        p.drawRect(QRectF(t.x() - 2, t.y() + 6, 4, 8));
        litBlob(p, t, 11, 10, shade(leaf, 0.8), shade(leaf, 1.45));
    }
}

void caveIcon(QPainter& p, const Recipe& r) {
    const QColor rock = r.color("base", QColor(128, 112, 104));
    QPainterPath m;
    m.moveTo(2, 58), m.lineTo(16, 18), m.lineTo(26, 26), m.lineTo(36, 8), m.lineTo(62, 58);
    m.closeSubpath();
    QLinearGradient g(QPointF(10, 0), QPointF(54, 0));
    g.setColorAt(0, shade(rock, 1.3));
    g.setColorAt(1, shade(rock, 0.65));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(m);
    p.setBrush(QColor(24, 18, 26));
    QPainterPath mouth;
    mouth.moveTo(22, 58), mouth.cubicTo(22, 34, 42, 34, 42, 58);
    p.drawPath(mouth);
    p.setBrush(r.color("crystal", QColor(120, 210, 250)));
    p.drawEllipse(QPointF(16, 46), 2.5, 4);
    p.drawEllipse(QPointF(50, 44), 2.5, 4);
}

void towerIcon(QPainter& p, const Recipe& r) {
    const QColor stone = r.color("base", QColor(150, 140, 160));
    QLinearGradient g(QPointF(20, 0), QPointF(44, 0));
    g.setColorAt(0, shade(stone, 1.3));
    g.setColorAt(1, shade(stone, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(22, 14, 20, 46));
    p.setBrush(shade(stone, 1.1));
    for (int x = 20; x < 44; x += 6) p.drawRect(QRectF(x, 9, 4, 6));
    p.drawRect(QRectF(20, 12, 24, 4));
    p.setBrush(QColor(40, 30, 50));
    p.drawRoundedRect(QRectF(28, 46, 8, 12), 4, 4);
    p.setBrush(r.color("window", QColor(250, 210, 110)));
    p.drawRect(QRectF(30, 22, 4, 6));
    p.drawRect(QRectF(30, 33, 4, 6));
    p.setBrush(QColor(110, 60, 140));
    QPainterPath roof;
    roof.moveTo(20, 7), roof.lineTo(32, 0), roof.lineTo(44, 7);
    p.drawPath(roof);
}

void shrineIcon(QPainter& p, const Recipe& r) {
    const QColor stone = r.color("base", QColor(230, 228, 236));
    p.setPen(Qt::NoPen);
    p.setBrush(shade(stone, 0.75));
    p.drawRect(QRectF(10, 50, 44, 6));
    p.setBrush(stone);
    p.drawRect(QRectF(12, 46, 40, 5));
    for (double x : {15.0, 25.0, 35.0, 45.0}) {
        p.setBrush(stone);
        p.drawRect(QRectF(x - 2.5, 26, 5, 20));
        p.setBrush(shade(stone, 0.75));
        p.drawRect(QRectF(x + 1, 26, 1.5, 20));
    }
    QPainterPath roof;
    roof.moveTo(8, 26), roof.lineTo(32, 10), roof.lineTo(56, 26);
    roof.closeSubpath();
    p.setBrush(r.color("roof", QColor(90, 110, 190)));
    p.drawPath(roof);
    p.setBrush(QColor(250, 230, 120));
    p.drawEllipse(QPointF(32, 19), 3, 3);
}

}  // namespace

bool drawTall(QPainter& p, const Recipe& r, Rng& rng) {
    const QString k = r.kind();
    if (k == "tree")
        broadTree(p, r, rng);
    else if (k == "pinetree")
        pineTree(p, r);
    else if (k == "deadtree")
        deadTree(p, r);
    else if (k == "crystalpillar")
        crystalPillar(p, r);
    else if (k == "pillar")
        stonePillar(p, r);
    else if (k == "starstone")
        starStone(p, r);
    else if (k == "town")
        townIcon(p, r);
    else if (k == "forest")
        forestIcon(p, r);
    else if (k == "cave")
        caveIcon(p, r);
    else if (k == "tower")
        towerIcon(p, r);
    else if (k == "shrine")
        shrineIcon(p, r);
    else
        return false;
    return true;
}
