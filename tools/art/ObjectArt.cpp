// Props and blocks: small objects drawn over the ground on transparent 32 x 32 cells (flowers,
// rocks, signs, people, barriers …). Shapes are drawn smooth, then hardened and outlined so
// the mask describes them exactly.

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "art/SpriteArt.h"
#include "art/TilePainters.h"

namespace {

void flowers(QPainter& p, const Recipe& r, Rng& rng) {
    const QColor leaf = r.color("leaf", QColor(60, 130, 60));
    const QColor petal = r.color("petal", QColor(240, 120, 160));
    for (int i = 0; i < 4; ++i) {
        const QPointF c(6 + rng.below(20), 8 + rng.below(18));
        p.setPen(QPen(leaf, 1.5));
        p.drawLine(c, c + QPointF(0, 5));
        p.setPen(Qt::NoPen);
        p.setBrush(petal);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.drawEllipse(c + QPointF(std::cos(a) * 2.2, std::sin(a) * 2.2), 1.7, 1.7);
        }
        p.setBrush(QColor(250, 220, 90));
        p.drawEllipse(c, 1.2, 1.2);
    }
}

void tuft(QPainter& p, const Recipe& r, Rng& rng) {
    const QColor c = r.color("base", QColor(70, 140, 56));
    for (int i = 0; i < 9; ++i) {
        const double x = 9 + rng.range(0, 14);
        p.setPen(QPen(i % 2 ? c : shade(c, 1.3), 2));
        p.drawLine(QPointF(x, 26), QPointF(x + rng.range(-4, 4), 12 + rng.range(0, 8)));
    }
}

void bush(QPainter& p, const Recipe& r, Rng& rng) {
    const QColor c = r.color("base", QColor(52, 120, 60));
    litBlob(p, {16, 19}, 12, 9, c, shade(c, 1.4));
    litBlob(p, {10, 15}, 7, 6, c, shade(c, 1.45));
    litBlob(p, {21, 14}, 7, 6, c, shade(c, 1.5));
    if (r.has("berry")) {
        p.setBrush(r.color("berry", QColor(200, 40, 60)));
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(8 + rng.below(16), 12 + rng.below(10)), 1.4, 1.4);
    }
}

void rock(QPainter& p, const Recipe& r, double size) {
    const QColor c = r.color("base", QColor(130, 126, 122));
    QPainterPath path;
    const double s = size;
    path.moveTo(16 - 12 * s, 27);
    path.lineTo(16 - 13 * s, 27 - 9 * s);
    path.lineTo(16 - 6 * s, 27 - 19 * s);
    path.lineTo(16 + 5 * s, 27 - 21 * s);
    path.lineTo(16 + 13 * s, 27 - 11 * s);
    path.lineTo(16 + 12 * s, 27);
    path.closeSubpath();
    QLinearGradient g(QPointF(8, 6), QPointF(26, 28));
    g.setColorAt(0, shade(c, 1.35));
    g.setColorAt(1, shade(c, 0.7));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
    p.setPen(QPen(shade(c, 0.6), 1));
    p.drawLine(QPointF(16 - 2 * s, 27 - 18 * s), QPointF(16 + 1 * s, 27 - 8 * s));
}

void crystal(QPainter& p, const Recipe& r) {
    const QColor c = r.color("base", QColor(120, 200, 240));
    auto shard = [&](double x, double w, double h, double lean) {
        QPainterPath s;
        s.moveTo(x - w, 29);
        s.lineTo(x - w * 0.8 + lean, 29 - h * 0.75);
        s.lineTo(x + lean, 29 - h);
        s.lineTo(x + w * 0.8 + lean, 29 - h * 0.75);
        s.lineTo(x + w, 29);
        s.closeSubpath();
        QLinearGradient g(QPointF(x - w, 0), QPointF(x + w, 0));
        g.setColorAt(0, shade(c, 1.5));
        g.setColorAt(0.5, c);
        g.setColorAt(1, shade(c, 0.65));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(s);
    };
    shard(9, 4.5, 18, -2);
    shard(23, 4.5, 16, 2);
    shard(16, 6.5, 27, 0);
}

void thorns(QPainter& p, const Recipe& r, Rng& rng) {
    const QColor c = r.color("base", QColor(96, 70, 60));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        QPainterPath v;
        const double y0 = 29 - rng.range(0, 4);
        v.moveTo(rng.range(2, 30), y0);
        v.cubicTo(rng.range(0, 32), rng.range(4, 20), rng.range(0, 32), rng.range(4, 24),
                  rng.range(2, 30), rng.range(2, 10));
        p.setPen(QPen(i % 2 ? c : shade(c, 1.3), 2.2));
        p.drawPath(v);
    }
    p.setPen(QPen(shade(c, 1.6), 1));
    for (int i = 0; i < 14; ++i) {
        const QPointF a(rng.range(3, 29), rng.range(4, 28));
        p.drawLine(a, a + QPointF(rng.range(-2, 2), -2.5));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(r.color("flower", QColor(170, 60, 120)));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(rng.range(6, 26), rng.range(6, 24)), 1.6, 1.6);
}

void mushroom(QPainter& p, const Recipe& r) {
    const QColor cap = r.color("base", QColor(200, 70, 60));
    const double s = r.num("size", 1.0);
    p.translate(16, 26);
    p.scale(s, s);
    p.translate(-16, -26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 228, 206));
    p.drawRect(QRectF(13, 17, 6, 10));
    litBlob(p, {16, 16}, 10, 6, cap, shade(cap, 1.4));
    p.setBrush(QColor(250, 246, 236));
    p.drawEllipse(QPointF(12, 14), 1.8, 1.5);
    p.drawEllipse(QPointF(19, 13), 1.6, 1.3);
}

void bones(QPainter& p, const Recipe& r) {
    const QColor c = r.color("base", QColor(226, 220, 200));
    p.setPen(QPen(c, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 25), QPointF(24, 20));
    p.drawLine(QPointF(9, 19), QPointF(22, 27));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(17, 12), 6, 5);
    p.setBrush(QColor(40, 30, 30));
    p.drawEllipse(QPointF(15, 12), 1.5, 1.5);
    p.drawEllipse(QPointF(19.5, 12), 1.5, 1.5);
}

void torch(QPainter& p, const Recipe& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 80, 50));
    p.drawRect(QRectF(14.5, 14, 3, 12));
    p.setBrush(QColor(80, 80, 90));
    p.drawRect(QRectF(12.5, 13, 7, 3));
    QRadialGradient g(QPointF(16, 8), 8);
    g.setColorAt(0, QColor(255, 250, 200));
    g.setColorAt(0.5, r.color("flame", QColor(255, 170, 60)));
    g.setColorAt(1, QColor(230, 80, 30));
    p.setBrush(g);
    QPainterPath f;
    f.moveTo(16, 1);
    f.cubicTo(22, 7, 21, 12, 16, 13);
    f.cubicTo(11, 12, 10, 7, 16, 1);
    p.drawPath(f);
}

void barrel(QPainter& p, const Recipe& r) {
    const QColor wood = r.color("base", QColor(150, 100, 60));
    QLinearGradient g(QPointF(7, 0), QPointF(25, 0));
    g.setColorAt(0, shade(wood, 0.7));
    g.setColorAt(0.4, shade(wood, 1.2));
    g.setColorAt(1, shade(wood, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(7, 7, 18, 21), 5, 3);
    p.setBrush(QColor(90, 90, 96));
    p.drawRect(QRectF(7, 11, 18, 2));
    p.drawRect(QRectF(7, 22, 18, 2));
    p.setBrush(shade(wood, 1.3));
    p.drawEllipse(QRectF(8, 5, 16, 5));
}

void crate(QPainter& p, const Recipe& r) {
    const QColor wood = r.color("base", QColor(176, 128, 72));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawRect(QRectF(6, 8, 20, 19));
    p.setBrush(shade(wood, 1.25));
    p.drawRect(QRectF(6, 8, 20, 3));
    p.setPen(QPen(shade(wood, 0.65), 2));
    p.drawLine(QPointF(8, 12), QPointF(24, 25));
    p.drawRect(QRectF(7, 9, 18, 17));
}

// A hanging shop sign with an icon for the kind of building.
void sign(QPainter& p, const Recipe& r) {
    const QColor board = r.color("base", QColor(120, 80, 44));
    p.setPen(QPen(QColor(60, 50, 40), 1.5));
    p.drawLine(QPointF(4, 4), QPointF(28, 4));
    p.drawLine(QPointF(9, 4), QPointF(9, 9));
    p.drawLine(QPointF(23, 4), QPointF(23, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(board);
    p.drawRoundedRect(QRectF(5, 9, 22, 19), 3, 3);
    p.setBrush(shade(board, 1.35));
    p.drawRoundedRect(QRectF(7, 11, 18, 15), 2, 2);
    const QString icon = r.str("icon");
    const QColor ink = r.color("ink", QColor(70, 40, 20));
    p.setBrush(ink);
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    if (icon == "inn") {  // a bed
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(9, 19, 14, 3));
        p.drawRect(QRectF(9, 15, 2, 8));
        p.drawRect(QRectF(21, 17, 2, 6));
        p.setBrush(QColor(240, 240, 250));
        p.drawEllipse(QRectF(11, 16, 4, 3));
    } else if (icon == "item") {  // a potion flask
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(14.5, 12.5, 3, 4));
        p.setBrush(QColor(60, 150, 220));
        p.drawEllipse(QRectF(11, 15.5, 10, 9));
    } else if (icon == "weapon") {  // crossed swords
        p.drawLine(QPointF(10, 24), QPointF(22, 13));
        p.drawLine(QPointF(22, 24), QPointF(10, 13));
        p.setPen(QPen(QColor(230, 200, 90), 2));
        p.drawLine(QPointF(11, 20), QPointF(14, 23));
        p.drawLine(QPointF(21, 20), QPointF(18, 23));
    } else if (icon == "tavern") {  // a mug
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(210, 160, 50));
        p.drawRect(QRectF(11, 15, 8, 9));
        p.setBrush(QColor(250, 250, 240));
        p.drawEllipse(QRectF(10, 12.5, 10, 4));
        p.setPen(QPen(QColor(210, 160, 50), 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(17, 16, 5, 6), -90 * 16, 180 * 16);
    } else if (icon == "church") {  // a star on a pole
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 210, 80));
        p.drawPath(starShape({16, 18.5}, 5, 6.5, 2.6));
    }
}

void lamp(QPainter& p, const Recipe& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(15, 10, 2, 19));
    p.drawRect(QRectF(12, 27, 8, 2));
    QRadialGradient g(QPointF(16, 7), 6);
    g.setColorAt(0, QColor(255, 252, 220));
    g.setColorAt(1, r.color("light", QColor(250, 200, 90)));
    p.setBrush(g);
    p.drawRect(QRectF(12, 3, 8, 8));
    p.setBrush(QColor(50, 50, 60));
    p.drawRect(QRectF(11, 2, 10, 2));
}

void fence(QPainter& p, const Recipe& r) {
    const QColor wood = r.color("base", QColor(170, 130, 86));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    for (int x : {3, 14, 25}) p.drawRect(QRectF(x, 10, 4, 18));
    p.setBrush(shade(wood, 1.2));
    p.drawRect(QRectF(0, 13, 32, 3));
    p.drawRect(QRectF(0, 21, 32, 3));
}

void campfire(QPainter& p, const Recipe& r) {
    p.setPen(QPen(QColor(110, 70, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 27), QPointF(24, 22));
    p.drawLine(QPointF(8, 22), QPointF(25, 27));
    QRadialGradient g(QPointF(16, 18), 11);
    g.setColorAt(0, QColor(255, 250, 200));
    g.setColorAt(0.45, r.color("flame", QColor(255, 170, 50)));
    g.setColorAt(1, QColor(220, 60, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    QPainterPath f;
    f.moveTo(16, 4);
    f.cubicTo(25, 12, 24, 22, 16, 24);
    f.cubicTo(8, 22, 7, 12, 12, 9);
    f.cubicTo(12, 14, 14, 15, 16, 4);
    p.drawPath(f);
}

// A pale ring of runes that bars the way.
void seal(QPainter& p, const Recipe& r) {
    const QColor c = r.color("base", QColor(170, 120, 255));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, 2.2));
    p.drawEllipse(QPointF(16, 16), 12, 12);
    p.setPen(QPen(shade(c, 1.5), 1.4));
    QPainterPath s;
    for (int k = 0; k < 6; ++k) {
        const double a = -M_PI / 2 + k * 2 * M_PI / 6 * 2;
        const QPointF q(16 + std::cos(a) * 10, 16 + std::sin(a) * 10);
        if (k == 0)
            s.moveTo(q);
        else
            s.lineTo(q);
    }
    s.closeSubpath();
    p.drawPath(s);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(c, 1.7));
    p.drawEllipse(QPointF(16, 16), 3, 3);
}

// World map relief: a mountain with a snowy peak, a rolling hill, a clump of trees.
void mountain(QPainter& p, const Recipe& r) {
    const QColor c = r.color("base", QColor(132, 116, 100));
    QPainterPath m;
    m.moveTo(1, 29);
    m.lineTo(14, 4);
    m.lineTo(19, 11);
    m.lineTo(22, 8);
    m.lineTo(31, 29);
    m.closeSubpath();
    QLinearGradient g(QPointF(6, 0), QPointF(26, 0));
    g.setColorAt(0, shade(c, 1.3));
    g.setColorAt(0.55, c);
    g.setColorAt(0.56, shade(c, 0.72));
    g.setColorAt(1, shade(c, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(m);
    if (r.flag("snow")) {
        QPainterPath s;
        s.moveTo(10, 11);
        s.lineTo(14, 4);
        s.lineTo(18, 10);
        s.lineTo(15.5, 9);
        s.lineTo(13, 12);
        s.closeSubpath();
        p.setBrush(QColor(246, 248, 252));
        p.drawPath(s);
    }
}

// A grassy knoll: two mounds with flat feet, lit from the upper left.
void hill(QPainter& p, const Recipe& r) {
    const QColor c = r.color("base", QColor(100, 160, 70));
    auto mound = [&](double cx, double w, double h, double f) {
        QPainterPath m;
        m.moveTo(cx - w, 27);
        m.cubicTo(cx - w * 0.8, 27 - h, cx + w * 0.8, 27 - h, cx + w, 27);
        m.closeSubpath();
        QLinearGradient g(QPointF(cx - w, 27 - h), QPointF(cx + w * 0.6, 27));
        g.setColorAt(0, shade(c, 1.3 * f));
        g.setColorAt(1, shade(c, 0.75 * f));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(m);
    };
    mound(20, 10, 13, 0.92);
    mound(12, 11, 17, 1.0);
    p.setPen(QPen(shade(c, 1.45), 1.2));
    p.drawLine(QPointF(8, 18), QPointF(10, 15));
    p.drawLine(QPointF(13, 16), QPointF(15, 14));
}

void grove(QPainter& p, const Recipe& r, Rng& rng) {
    const QColor c = r.color("base", QColor(46, 110, 56));
    const QPointF pos[] = {{10, 12}, {22, 11}, {16, 20}};
    for (const QPointF& q : pos) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 60, 40));
        p.drawRect(QRectF(q.x() - 1.5, q.y() + 4, 3, 5));
        litBlob(p, q, 7 + rng.range(0, 1), 6.5, c, shade(c, 1.45));
    }
}

void pine(QPainter& p, const Recipe& r) {
    const QColor c = r.color("base", QColor(40, 96, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 40));
    p.drawRect(QRectF(14.5, 23, 3, 6));
    for (int k = 0; k < 3; ++k) {
        QPainterPath t;
        const double y = 4 + k * 6;
        t.moveTo(16, y);
        t.lineTo(16 + 7 + k * 2, y + 10);
        t.lineTo(16 - 7 - k * 2, y + 10);
        t.closeSubpath();
        QLinearGradient g(QPointF(8, 0), QPointF(24, 0));
        g.setColorAt(0, shade(c, 1.35));
        g.setColorAt(1, shade(c, 0.75));
        p.setBrush(g);
        p.drawPath(t);
    }
}

}  // namespace

bool drawObject(QPainter& p, const Recipe& r, Rng& rng) {
    const QString k = r.kind();
    // People and creatures are sprites of their own module.
    if (drawSmallSprite(p, r)) return true;
    if (k == "flowers")
        flowers(p, r, rng);
    else if (k == "tuft")
        tuft(p, r, rng);
    else if (k == "bush")
        bush(p, r, rng);
    else if (k == "rock")
        rock(p, r, r.num("size", 0.7));
    else if (k == "boulder")
        rock(p, r, r.num("size", 1.15));
    else if (k == "crystal")
        crystal(p, r);
    else if (k == "thorns")
        thorns(p, r, rng);
    else if (k == "mushroom")
        mushroom(p, r);
    else if (k == "bones")
        bones(p, r);
    else if (k == "torch")
        torch(p, r);
    else if (k == "barrel")
        barrel(p, r);
    else if (k == "crate")
        crate(p, r);
    else if (k == "sign")
        sign(p, r);
    else if (k == "lamp")
        lamp(p, r);
    else if (k == "fence")
        fence(p, r);
    else if (k == "campfire")
        campfire(p, r);
    else if (k == "seal")
        seal(p, r);
    else if (k == "mountain")
        mountain(p, r);
    else if (k == "hill")
        hill(p, r);
    else if (k == "grove")
        grove(p, r, rng);
    else if (k == "pine")
        pine(p, r);
    else
        return false;
    return true;
}
