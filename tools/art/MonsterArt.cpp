#include "art/MonsterArt.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>

#include "art/Paint.h"
#include "world/Source.h"

namespace {

const QColor kInk(26, 18, 30);

void fill(QPainter& p, QColor c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

QBrush roundShade(QPointF c, double r, QColor base) {
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.45), r * 1.35);
    g.setColorAt(0, shade(base, 1.45));
    g.setColorAt(0.55, base);
    g.setColorAt(1, shade(base, 0.6));
    return g;
}

void ball(QPainter& p, QPointF c, double rx, double ry, QColor base) {
    p.setPen(Qt::NoPen);
    p.setBrush(roundShade(c, std::max(rx, ry), base));
    p.drawEllipse(c, rx, ry);
}

// A pair of cartoon eyes: white, iris, shine. angry tilts the brows.
void eyes(QPainter& p, QPointF l, QPointF r, double size, QColor iris, bool angry) {
    for (QPointF e : {l, r}) {
        fill(p, QColor(250, 250, 246));
        p.drawEllipse(e, size, size * 1.15);
        fill(p, iris);
        p.drawEllipse(e + QPointF(0, size * 0.2), size * 0.55, size * 0.7);
        fill(p, QColor(255, 255, 255));
        p.drawEllipse(e + QPointF(-size * 0.25, -size * 0.2), size * 0.22, size * 0.22);
    }
    if (angry) {
        p.setPen(QPen(kInk, size * 0.45, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(l + QPointF(-size, -size * 1.5), l + QPointF(size, -size * 0.9));
        p.drawLine(r + QPointF(size, -size * 1.5), r + QPointF(-size, -size * 0.9));
    }
}

void glowEyes(QPainter& p, QPointF l, QPointF r, double size, QColor c) {
    for (QPointF e : {l, r}) {
        fill(p, c);
        p.drawEllipse(e, size, size * 0.7);
        fill(p, shade(c, 1.6));
        p.drawEllipse(e, size * 0.45, size * 0.35);
    }
}

void crown(QPainter& p, QPointF top, double w, QColor c) {
    QPainterPath k;
    k.moveTo(top + QPointF(-w, 0));
    k.lineTo(top + QPointF(-w, -w * 0.9));
    k.lineTo(top + QPointF(-w * 0.5, -w * 0.45));
    k.lineTo(top + QPointF(0, -w * 1.1));
    k.lineTo(top + QPointF(w * 0.5, -w * 0.45));
    k.lineTo(top + QPointF(w, -w * 0.9));
    k.lineTo(top + QPointF(w, 0));
    k.closeSubpath();
    fill(p, c);
    p.drawPath(k);
    fill(p, QColor(220, 40, 60));
    p.drawEllipse(top + QPointF(0, -w * 0.35), w * 0.18, w * 0.18);
}

void horns(QPainter& p, QPointF l, QPointF r, double len, QColor c) {
    for (int s : {-1, 1}) {
        const QPointF base = s < 0 ? l : r;
        QPainterPath h;
        h.moveTo(base + QPointF(-4, 0));
        h.quadTo(base + QPointF(s * len * 0.7, -len * 0.2), base + QPointF(s * len * 0.6, -len));
        h.quadTo(base + QPointF(s * len * 0.3, -len * 0.3), base + QPointF(4, 0));
        h.closeSubpath();
        fill(p, c);
        p.drawPath(h);
    }
}

// --- body plans ------------------------------------------------------------------------------

void slime(QPainter& p, const Recipe& r) {
    const QColor body = r.color("body", QColor(90, 190, 110));
    const double s = r.num("size", 1.0);
    p.translate(64, 112);
    p.scale(s, s);
    QPainterPath b;
    b.moveTo(-44, 0);
    b.cubicTo(-50, -30, -20, -46, -4, -76);
    b.cubicTo(4, -60, 48, -40, 44, 0);
    b.closeSubpath();
    QLinearGradient g(QPointF(-40, -70), QPointF(40, 0));
    g.setColorAt(0, shade(body, 1.5));
    g.setColorAt(0.5, body);
    g.setColorAt(1, shade(body, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(b);
    fill(p, shade(body, 1.8));
    p.drawEllipse(QPointF(-22, -38), 6, 10);
    eyes(p, {-14, -30}, {12, -30}, 7, r.color("eye", kInk), r.flag("angry"));
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-10, -24, 20, 12), 200 * 16, 140 * 16);
    if (r.flag("crown")) crown(p, {-2, -70}, 14, QColor(240, 200, 70));
}

void beast(QPainter& p, const Recipe& r) {
    const QColor fur = r.color("body", QColor(140, 120, 100));
    const QColor belly = r.color("belly", shade(fur, 1.35));
    p.translate(64, 110);
    // Legs.
    fill(p, shade(fur, 0.7));
    for (double x : {-34.0, -20.0, 18.0, 32.0}) p.drawRoundedRect(QRectF(x - 5, -22, 10, 22), 4, 4);
    // Tail.
    p.setPen(QPen(fur, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-40, -40), QPointF(-52, -58));
    // Body.
    ball(p, {-4, -38}, 42, 22, fur);
    fill(p, belly);
    p.drawEllipse(QPointF(-2, -26), 26, 9);
    if (r.has("mane")) {
        fill(p, r.color("mane", shade(fur, 0.6)));
        for (int k = 0; k < 7; ++k) p.drawEllipse(QPointF(16 + k * 2, -66 + k * 6), 10, 7);
    }
    // Head to the right.
    ball(p, {34, -56}, 20, 18, fur);
    ball(p, {48, -48}, 11, 9, belly);  // snout
    fill(p, kInk);
    p.drawEllipse(QPointF(56, -51), 3.5, 3);
    // Ears.
    QPainterPath ears;
    ears.moveTo(24, -70), ears.lineTo(22, -88), ears.lineTo(33, -74);
    ears.moveTo(36, -73), ears.lineTo(42, -90), ears.lineTo(46, -70);
    fill(p, shade(fur, 0.85));
    p.drawPath(ears);
    eyes(p, {32, -60}, {43, -61}, 4.5, r.color("eye", QColor(200, 60, 40)), true);
    if (r.flag("tusks")) {
        fill(p, QColor(250, 246, 230));
        QPainterPath t;
        t.moveTo(44, -42), t.quadTo(54, -40, 56, -54), t.quadTo(50, -44, 42, -46);
        p.drawPath(t);
    }
    if (r.has("horns")) horns(p, {28, -70}, {44, -70}, 22, r.color("horns", QColor(230, 220, 200)));
}

void wings(QPainter& p, QColor c, double span, double lift, bool membrane) {
    for (int s : {-1, 1}) {
        QPainterPath w;
        w.moveTo(0, -4);
        if (membrane) {
            w.cubicTo(s * span * 0.4, -lift - 10, s * span * 0.8, -lift - 20, s * span, -lift);
            w.lineTo(s * span * 0.8, -lift * 0.4);
            w.lineTo(s * span * 0.6, -lift * 0.7);
            w.lineTo(s * span * 0.4, -lift * 0.2);
            w.lineTo(s * span * 0.2, -lift * 0.5);
        } else {
            w.cubicTo(s * span * 0.5, -lift - 16, s * span, -lift - 4, s * span * 1.05, -lift + 6);
            for (int k = 0; k < 4; ++k) w.lineTo(s * span * (0.9 - k * 0.18), -lift + 12 + k * 3);
        }
        w.closeSubpath();
        QLinearGradient g(QPointF(0, -lift), QPointF(s * span, -lift));
        g.setColorAt(0, shade(c, 1.25));
        g.setColorAt(1, shade(c, 0.65));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(w);
    }
}

void bird(QPainter& p, const Recipe& r, bool bat) {
    const QColor body = r.color("body", bat ? QColor(90, 70, 110) : QColor(200, 120, 60));
    const QColor wing = r.color("wing", shade(body, 0.85));
    p.translate(64, 72);
    wings(p, wing, 54, 20, bat);
    ball(p, {0, 0}, 20, 24, body);
    fill(p, shade(body, 1.35));
    p.drawEllipse(QPointF(0, 8), 11, 13);
    if (bat) {
        QPainterPath ears;
        ears.moveTo(-14, -14), ears.lineTo(-18, -36), ears.lineTo(-4, -20);
        ears.moveTo(14, -14), ears.lineTo(18, -36), ears.lineTo(4, -20);
        fill(p, body);
        p.drawPath(ears);
        glowEyes(p, {-8, -8}, {8, -8}, 5, r.color("eye", QColor(250, 220, 60)));
        fill(p, QColor(250, 250, 250));
        QPainterPath fangs;
        fangs.moveTo(-5, 4), fangs.lineTo(-3, 10), fangs.lineTo(-1, 4);
        fangs.moveTo(1, 4), fangs.lineTo(3, 10), fangs.lineTo(5, 4);
        p.drawPath(fangs);
    } else {
        eyes(p, {-8, -10}, {8, -10}, 5, r.color("eye", kInk), true);
        fill(p, r.color("beak", QColor(240, 190, 60)));
        QPainterPath beak;
        beak.moveTo(-6, -2), beak.lineTo(6, -2), beak.lineTo(0, 12);
        p.drawPath(beak);
        fill(p, shade(body, 0.7));
        QPainterPath tail;
        tail.moveTo(-8, 20), tail.lineTo(0, 44), tail.lineTo(8, 20);
        p.drawPath(tail);
        if (r.has("crest")) {
            fill(p, r.color("crest", QColor(230, 60, 60)));
            for (int k = -1; k <= 1; ++k)
                p.drawEllipse(QPointF(k * 5, -28 - (k == 0 ? 4 : 0)), 3.5, 8);
        }
    }
    fill(p, QColor(230, 180, 60));
    p.drawRect(QRectF(-8, 22, 3, 10));
    p.drawRect(QRectF(5, 22, 3, 10));
}

void plant(QPainter& p, const Recipe& r) {
    const QColor petal = r.color("body", QColor(220, 80, 120));
    const QColor leaf = r.color("leaf", QColor(70, 150, 70));
    p.translate(64, 112);
    p.setPen(QPen(shade(leaf, 0.8), 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem;
    stem.moveTo(0, 0), stem.cubicTo(-12, -20, 12, -36, 0, -52);
    p.drawPath(stem);
    for (int s : {-1, 1}) {
        QPainterPath l;
        l.moveTo(0, -18), l.cubicTo(s * 20, -40, s * 40, -20, s * 42, -8),
            l.cubicTo(s * 26, -6, s * 12, -8, 0, -18);
        fill(p, leaf);
        p.drawPath(l);
    }
    // Roots.
    p.setPen(QPen(QColor(120, 90, 60), 4, Qt::SolidLine, Qt::RoundCap));
    for (int s : {-1, 1}) p.drawLine(QPointF(0, -2), QPointF(s * 22, 4));
    // Petals around the head.
    for (int k = 0; k < 8; ++k) {
        const double a = k * M_PI / 4;
        p.save();
        p.translate(0, -62);
        p.rotate(a * 180 / M_PI);
        fill(p, k % 2 ? petal : shade(petal, 0.8));
        p.drawEllipse(QPointF(0, -22), 10, 16);
        p.restore();
    }
    ball(p, {0, -62}, 18, 18, r.color("face", QColor(250, 220, 100)));
    fill(p, kInk);
    QPainterPath mouth;
    mouth.moveTo(-12, -58), mouth.quadTo(0, -44, 12, -58), mouth.closeSubpath();
    p.drawPath(mouth);
    fill(p, QColor(250, 250, 250));
    for (int k = -2; k <= 2; ++k) {
        QPainterPath t;
        t.moveTo(k * 4 - 2, -57.5), t.lineTo(k * 4, -52), t.lineTo(k * 4 + 2, -57.5);
        p.drawPath(t);
    }
    glowEyes(p, {-7, -68}, {7, -68}, 3.5, r.color("eye", QColor(200, 30, 40)));
}

void bug(QPainter& p, const Recipe& r, bool spider) {
    const QColor body = r.color("body", spider ? QColor(70, 60, 80) : QColor(80, 140, 90));
    p.translate(64, 84);
    p.setPen(QPen(shade(body, 0.6), 5, Qt::SolidLine, Qt::RoundCap));
    const int pairs = spider ? 4 : 3;
    for (int k = 0; k < pairs; ++k) {
        const double y = -10 + k * 8;
        for (int s : {-1, 1}) {
            QPainterPath leg;
            leg.moveTo(s * 16, y);
            leg.lineTo(s * (34 + k * 3), y - 16 + k * 2);
            leg.lineTo(s * (44 + k * 2), y + 24);
            p.setBrush(Qt::NoBrush);
            p.drawPath(leg);
        }
    }
    ball(p, {0, 10}, 28, 24, body);  // abdomen
    if (!spider) {
        p.setPen(QPen(shade(body, 0.6), 2));
        for (int k = -1; k <= 1; ++k) p.drawLine(QPointF(k * 10, -6), QPointF(k * 12, 30));
    } else {
        fill(p, r.color("mark", QColor(220, 60, 60)));
        p.drawEllipse(QPointF(0, 14), 6, 9);
    }
    ball(p, {0, -20}, 18, 15, shade(body, 1.1));  // head
    if (spider) {
        for (int k = 0; k < 4; ++k) {
            fill(p, QColor(240, 60, 60));
            p.drawEllipse(QPointF(-9 + k * 6, -24 + (k == 1 || k == 2 ? -3 : 0)), 2.5, 2.5);
        }
    } else {
        eyes(p, {-8, -24}, {8, -24}, 5, kInk, true);
        p.setPen(QPen(shade(body, 0.6), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-6, -34), QPointF(-16, -54));
        p.drawLine(QPointF(6, -34), QPointF(16, -54));
    }
    fill(p, QColor(240, 230, 200));
    QPainterPath jaws;
    jaws.moveTo(-8, -8), jaws.quadTo(-4, 2, -1, -8);
    jaws.moveTo(8, -8), jaws.quadTo(4, 2, 1, -8);
    p.drawPath(jaws);
}

void skeleton(QPainter& p, const Recipe& r) {
    const QColor bone = r.color("body", QColor(236, 230, 210));
    p.translate(64, 116);
    p.setPen(QPen(bone, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-10, 0), QPointF(-6, -36));
    p.drawLine(QPointF(10, 0), QPointF(6, -36));
    p.drawLine(QPointF(0, -36), QPointF(0, -74));
    p.setPen(QPen(bone, 4, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 4; ++k)
        p.drawLine(QPointF(-14 + k, -48 - k * 7), QPointF(14 - k, -48 - k * 7));
    p.setPen(QPen(bone, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-14, -72), QPointF(-26, -48));
    p.drawLine(QPointF(14, -72), QPointF(28, -50));
    // A rusty blade in the right hand.
    p.setPen(QPen(r.color("blade", QColor(180, 170, 150)), 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(30, -48), QPointF(44, -96));
    p.setPen(QPen(QColor(120, 80, 50), 5));
    p.drawLine(QPointF(24, -52), QPointF(36, -48));
    fill(p, bone);
    p.drawEllipse(QPointF(0, -88), 15, 14);
    p.drawRoundedRect(QRectF(-9, -80, 18, 10), 3, 3);
    glowEyes(p, {-6, -89}, {6, -89}, 4.5, r.color("eye", QColor(90, 220, 255)));
    if (r.has("helm")) {
        fill(p, r.color("helm", QColor(120, 110, 100)));
        p.drawChord(QRectF(-17, -106, 34, 28), 0, 180 * 16);
    }
}

void golem(QPainter& p, const Recipe& r) {
    const QColor stone = r.color("body", QColor(140, 130, 120));
    const bool gem = r.flag("crystal");
    p.translate(64, 116);
    auto block = [&](QRectF b, double f) {
        QLinearGradient g(b.topLeft(), b.bottomRight());
        g.setColorAt(0, shade(stone, 1.35 * f));
        g.setColorAt(1, shade(stone, 0.65 * f));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(b, 5, 5);
    };
    block(QRectF(-26, -22, 18, 22), 0.9);  // legs
    block(QRectF(8, -22, 18, 22), 0.9);
    block(QRectF(-36, -72, 72, 52), 1.0);   // body
    block(QRectF(-52, -70, 18, 42), 0.85);  // arms
    block(QRectF(34, -70, 18, 42), 0.85);
    block(QRectF(-18, -100, 36, 30), 1.05);  // head
    glowEyes(p, {-8, -86}, {8, -86}, 5, r.color("eye", QColor(250, 140, 40)));
    if (gem) {
        fill(p, r.color("gem", QColor(120, 220, 250)));
        QPainterPath c;
        c.moveTo(0, -62), c.lineTo(10, -48), c.lineTo(0, -34), c.lineTo(-10, -48);
        p.drawPath(c);
    }
    p.setPen(QPen(shade(stone, 0.5), 2));
    p.drawLine(QPointF(-20, -60), QPointF(-8, -44));
    p.drawLine(QPointF(18, -40), QPointF(24, -28));
}

void ghost(QPainter& p, const Recipe& r) {
    const QColor c = r.color("body", QColor(200, 210, 250));
    p.translate(64, 64);
    QPainterPath g;
    g.moveTo(-30, 10);
    g.cubicTo(-34, -40, 34, -40, 30, 10);
    g.cubicTo(28, 30, 18, 40, 10, 46);
    g.quadTo(6, 34, 0, 44);
    g.quadTo(-6, 34, -12, 46);
    g.cubicTo(-20, 36, -28, 30, -30, 10);
    QLinearGradient lg(QPointF(-30, -30), QPointF(30, 40));
    lg.setColorAt(0, shade(c, 1.4));
    lg.setColorAt(1, shade(c, 0.7));
    p.setPen(Qt::NoPen);
    p.setBrush(lg);
    p.drawPath(g);
    fill(p, QColor(30, 20, 50));
    p.drawEllipse(QPointF(-11, -6), 6, 9);
    p.drawEllipse(QPointF(11, -6), 6, 9);
    p.drawEllipse(QPointF(0, 14), 5, 7);
    fill(p, r.color("eye", QColor(120, 250, 200)));
    p.drawEllipse(QPointF(-11, -4), 2, 2);
    p.drawEllipse(QPointF(11, -4), 2, 2);
    // Little arms.
    fill(p, c);
    p.drawEllipse(QPointF(-34, 8), 8, 5);
    p.drawEllipse(QPointF(34, 2), 8, 5);
    if (r.has("lantern")) {
        fill(p, QColor(80, 70, 60));
        p.drawRect(QRectF(38, 6, 2, 10));
        fill(p, r.color("lantern", QColor(250, 200, 90)));
        p.drawEllipse(QPointF(39, 22), 6, 7);
    }
}

void serpent(QPainter& p, const Recipe& r) {
    const QColor c = r.color("body", QColor(90, 160, 90));
    const QColor belly = r.color("belly", QColor(230, 220, 150));
    p.translate(64, 110);
    p.setPen(QPen(shade(c, 0.8), 22, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, -10), 40, 12);
    p.setPen(QPen(c, 18, Qt::SolidLine, Qt::RoundCap));
    QPainterPath neck;
    neck.moveTo(30, -12), neck.cubicTo(40, -50, -10, -50, 0, -78);
    p.drawPath(neck);
    p.setPen(QPen(belly, 6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath b;
    b.moveTo(26, -14), b.cubicTo(34, -46, -4, -46, -2, -72);
    p.drawPath(b);
    if (r.flag("hood")) {
        fill(p, shade(c, 0.85));
        p.drawEllipse(QPointF(0, -82), 22, 16);
        fill(p, r.color("mark", QColor(240, 200, 60)));
        p.drawEllipse(QPointF(-12, -82), 4, 5);
        p.drawEllipse(QPointF(12, -82), 4, 5);
    }
    ball(p, {0, -88}, 14, 11, c);
    glowEyes(p, {-6, -92}, {6, -92}, 3.2, r.color("eye", QColor(250, 220, 60)));
    p.setPen(QPen(QColor(220, 40, 60), 2));
    p.drawLine(QPointF(0, -78), QPointF(0, -70));
    p.drawLine(QPointF(0, -70), QPointF(-4, -66));
    p.drawLine(QPointF(0, -70), QPointF(4, -66));
}

void mage(QPainter& p, const Recipe& r) {
    const QColor robe = r.color("body", QColor(90, 60, 140));
    p.translate(64, 118);
    QPainterPath body;
    body.moveTo(-30, 0), body.lineTo(-16, -70), body.lineTo(16, -70), body.lineTo(30, 0);
    body.closeSubpath();
    QLinearGradient g(QPointF(-30, 0), QPointF(30, 0));
    g.setColorAt(0, shade(robe, 1.3));
    g.setColorAt(1, shade(robe, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(body);
    fill(p, r.color("trim", QColor(230, 190, 80)));
    p.drawRect(QRectF(-4, -66, 8, 66));
    // Hood with a dark face and bright eyes.
    fill(p, shade(robe, 0.9));
    QPainterPath hood;
    hood.moveTo(-20, -66), hood.cubicTo(-24, -100, 24, -100, 20, -66), hood.closeSubpath();
    p.drawPath(hood);
    fill(p, QColor(20, 14, 26));
    p.drawEllipse(QPointF(0, -78), 12, 11);
    glowEyes(p, {-5, -79}, {5, -79}, 3, r.color("eye", QColor(250, 80, 80)));
    if (r.has("horns")) horns(p, {-12, -92}, {12, -92}, 18, r.color("horns", QColor(60, 40, 40)));
    // Staff with an orb.
    p.setPen(QPen(QColor(100, 70, 40), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, -10), QPointF(38, -96));
    ball(p, {38, -100}, 8, 8, r.color("orb", QColor(120, 220, 255)));
    fill(p, shade(robe, 0.75));
    p.drawEllipse(QPointF(30, -46), 7, 6);
}

void mushroom(QPainter& p, const Recipe& r) {
    const QColor cap = r.color("body", QColor(200, 70, 60));
    p.translate(64, 114);
    fill(p, QColor(236, 228, 206));
    p.drawRoundedRect(QRectF(-20, -46, 40, 44), 12, 12);
    fill(p, QColor(180, 160, 130));
    p.drawRoundedRect(QRectF(-20, -8, 14, 8), 4, 4);
    p.drawRoundedRect(QRectF(6, -8, 14, 8), 4, 4);
    eyes(p, {-8, -30}, {8, -30}, 5, kInk, r.flag("angry"));
    QPainterPath c;
    c.moveTo(-48, -44), c.cubicTo(-46, -100, 46, -100, 48, -44), c.closeSubpath();
    QLinearGradient g(QPointF(0, -96), QPointF(0, -44));
    g.setColorAt(0, shade(cap, 1.3));
    g.setColorAt(1, shade(cap, 0.7));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(c);
    fill(p, r.color("spots", QColor(250, 246, 236)));
    p.drawEllipse(QPointF(-24, -62), 8, 6);
    p.drawEllipse(QPointF(10, -80), 9, 6);
    p.drawEllipse(QPointF(28, -56), 6, 5);
}

void floatingEye(QPainter& p, const Recipe& r) {
    const QColor skin = r.color("body", QColor(200, 120, 160));
    p.translate(64, 60);
    p.setPen(QPen(shade(skin, 0.7), 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int k = -2; k <= 2; ++k) {
        QPainterPath t;
        t.moveTo(k * 9, 26);
        t.cubicTo(k * 14, 40, k * 6 + 8, 46, k * 12, 56);
        p.drawPath(t);
    }
    wings(p, r.color("wing", QColor(120, 90, 150)), 50, 4, true);
    ball(p, {0, 0}, 32, 30, skin);
    fill(p, QColor(250, 250, 240));
    p.drawEllipse(QPointF(0, 2), 22, 18);
    fill(p, r.color("eye", QColor(60, 160, 90)));
    p.drawEllipse(QPointF(2, 4), 11, 11);
    fill(p, kInk);
    p.drawEllipse(QPointF(2, 4), 4, 7);
    fill(p, QColor(255, 255, 255));
    p.drawEllipse(QPointF(-4, -1), 3, 3);
}

void dragon(QPainter& p, const Recipe& r) {
    const QColor scale = r.color("body", QColor(70, 130, 90));
    const QColor belly = r.color("belly", QColor(230, 210, 140));
    p.translate(64, 112);
    wings(p, r.color("wing", shade(scale, 0.8)), 58, 62, true);
    // Tail curling behind.
    p.setPen(QPen(shade(scale, 0.8), 12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath tail;
    tail.moveTo(-10, -10), tail.cubicTo(-50, 0, -54, -24, -40, -34);
    p.drawPath(tail);
    // Legs and body.
    fill(p, shade(scale, 0.75));
    p.drawRoundedRect(QRectF(-24, -22, 14, 22), 5, 5);
    p.drawRoundedRect(QRectF(10, -22, 14, 22), 5, 5);
    ball(p, {0, -34}, 28, 24, scale);
    fill(p, belly);
    p.drawEllipse(QPointF(0, -28), 14, 18);
    // Neck and head.
    p.setPen(QPen(scale, 16, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -50), QPointF(6, -74));
    ball(p, {8, -82}, 18, 14, scale);
    ball(p, {22, -78}, 10, 8, shade(scale, 1.1));
    horns(p, {0, -92}, {12, -94}, 18, r.color("horns", QColor(240, 230, 200)));
    glowEyes(p, {4, -86}, {15, -87}, 3.5, r.color("eye", QColor(250, 200, 50)));
    fill(p, QColor(250, 250, 250));
    QPainterPath teeth;
    teeth.moveTo(16, -72), teeth.lineTo(19, -67), teeth.lineTo(22, -72);
    teeth.moveTo(24, -72), teeth.lineTo(27, -67), teeth.lineTo(30, -72);
    p.drawPath(teeth);
}

void knight(QPainter& p, const Recipe& r) {
    const QColor steel = r.color("body", QColor(80, 80, 100));
    const QColor cloth = r.color("cape", QColor(140, 30, 50));
    p.translate(64, 118);
    fill(p, shade(cloth, 0.8));
    QPainterPath cape;
    cape.moveTo(-22, -76), cape.lineTo(22, -76), cape.lineTo(32, -4), cape.lineTo(-32, -4);
    p.drawPath(cape);
    auto plate = [&](QRectF b) {
        QLinearGradient g(b.topLeft(), b.topRight());
        g.setColorAt(0, shade(steel, 1.5));
        g.setColorAt(0.5, steel);
        g.setColorAt(1, shade(steel, 0.6));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(b, 4, 4);
    };
    plate(QRectF(-18, -30, 14, 30));
    plate(QRectF(4, -30, 14, 30));
    plate(QRectF(-24, -78, 48, 50));
    plate(QRectF(-36, -76, 14, 36));
    plate(QRectF(22, -76, 14, 36));
    plate(QRectF(-15, -104, 30, 28));
    fill(p, QColor(20, 16, 24));
    p.drawRect(QRectF(-10, -94, 20, 4));
    glowEyes(p, {-5, -92}, {5, -92}, 2.4, r.color("eye", QColor(250, 60, 60)));
    fill(p, r.color("plume", QColor(200, 40, 60)));
    p.drawEllipse(QPointF(0, -108), 5, 10);
    // Greatsword held upright.
    p.setPen(QPen(QColor(220, 224, 236), 7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(42, -40), QPointF(42, -112));
    p.setPen(QPen(r.color("trim", QColor(220, 180, 70)), 5));
    p.drawLine(QPointF(34, -44), QPointF(50, -44));
}

void drawBody(QPainter& p, const Recipe& r) {
    const QString k = r.kind();
    if (k == "slime")
        slime(p, r);
    else if (k == "beast")
        beast(p, r);
    else if (k == "bird")
        bird(p, r, false);
    else if (k == "bat")
        bird(p, r, true);
    else if (k == "plant")
        plant(p, r);
    else if (k == "bug")
        bug(p, r, false);
    else if (k == "spider")
        bug(p, r, true);
    else if (k == "skeleton")
        skeleton(p, r);
    else if (k == "golem")
        golem(p, r);
    else if (k == "ghost")
        ghost(p, r);
    else if (k == "serpent")
        serpent(p, r);
    else if (k == "mage")
        mage(p, r);
    else if (k == "mushroom")
        mushroom(p, r);
    else if (k == "eye")
        floatingEye(p, r);
    else if (k == "dragon")
        dragon(p, r);
    else if (k == "knight")
        knight(p, r);
    else
        throw ContentError("enemies.txt", 0, QStringLiteral("no monster body \"%1\"").arg(k));
}

// Hit: the figure flinches back and flashes pale; a spark of the blow sits on it.
QImage hitPose(const QImage& stand) {
    QImage out = blankArgb(128, 128);
    QPainter p;
    beginPainter(p, out, true);
    p.translate(68, 116);
    p.rotate(7);
    p.translate(-64, -116);
    p.drawImage(0, 0, stand);
    p.end();
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const QColor c = out.pixelColor(x, y);
            if (c.alpha() == 0) continue;
            out.setPixelColor(x, y, withAlpha(mix(c, QColor(255, 250, 240), 0.45), c.alpha()));
        }
    beginPainter(p, out, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 120));
    p.drawPath(starShape({50, 50}, 8, 16, 6, M_PI / 2));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(50, 50), 5, 5);
    p.end();
    return out;
}

// Defeated: the figure slumps flat, greyed and dim, with a wisp of its spirit leaving.
QImage defeatedPose(const QImage& stand) {
    QImage out = blankArgb(128, 128);
    QPainter p;
    beginPainter(p, out, true);
    p.translate(64, 118);
    p.scale(1.05, 0.5);
    p.translate(-64, -118);
    p.drawImage(0, 0, stand);
    p.end();
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const QColor c = out.pixelColor(x, y);
            if (c.alpha() == 0) continue;
            const int g = qGray(c.rgb());
            out.setPixelColor(
                x, y, QColor(g * 45 / 100 + 20, g * 45 / 100 + 18, g * 45 / 100 + 30, c.alpha()));
        }
    beginPainter(p, out, true);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 3; ++k) {
        p.setBrush(QColor(220, 230, 255));
        p.drawEllipse(QPointF(56 + k * 8, 52 - k * 12), 5 - k, 6 - k);
    }
    p.end();
    return out;
}

}  // namespace

QImage monsterPicture(const Recipe& look, int pose) {
    QImage stand = blankArgb(128, 128);
    {
        QPainter p;
        beginPainter(p, stand, true);
        drawBody(p, look);
        p.end();
    }
    QImage out = pose == 1 ? hitPose(stand) : pose == 2 ? defeatedPose(stand) : stand;
    hardenAlpha(out);
    // Keep clear of the cell's edge: the outline and JPEG blocks must not touch neighbours.
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            if (x < 5 || y < 5 || x > 122 || y > 122) out.setPixel(x, y, qRgba(0, 0, 0, 0));
    addOutline(out, kInk);
    addOutline(out, shade(kInk, 0.6), false);
    return out;
}
