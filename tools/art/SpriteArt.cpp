#include "art/SpriteArt.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "art/MonsterArt.h"
#include "art/Paint.h"

namespace {

struct Look {
    QColor hair, skin, tunic, legs, cape, trim, boots, eyes;
    QString style, item;
    bool hasCape;
};

Look lookOf(const Recipe& r) {
    Look l;
    l.hair = r.color("hair", QColor(90, 60, 40));
    l.skin = r.color("skin", QColor(246, 210, 180));
    l.tunic = r.color("tunic", QColor(60, 110, 190));
    l.legs = r.color("legs", QColor(70, 60, 60));
    l.cape = r.color("cape", QColor(170, 40, 50));
    l.trim = r.color("trim", QColor(230, 200, 90));
    l.boots = r.color("boots", QColor(110, 70, 40));
    l.eyes = r.color("eyes", QColor(40, 40, 70));
    l.style = r.str("style", "short");
    l.item = r.str("item", "none");
    l.hasCape = r.has("cape");
    return l;
}

void fill(QPainter& p, QColor c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

}  // namespace

void drawPerson(QPainter& p, const Recipe& recipe, int facing, int frame, double scale,
                QPointF feet) {
    const Look l = lookOf(recipe);
    p.save();
    p.translate(feet);
    p.scale(scale, scale);
    // Coordinates below: feet at (0, 0), head top near y = -56.
    const bool side = facing == 1 || facing == 3;
    if (facing == 3) p.scale(-1, 1);  // the left view mirrors the right one
    const double step = frame == 0 ? 1.0 : -1.0;

    // Cape behind the body (drawn first) in the side views; the back view draws it over the
    // body further down.
    auto drawCape = [&]() {
        fill(p, shade(l.cape, 0.85));
        QPainterPath c;
        if (side) {
            c.moveTo(-2, -34);
            c.cubicTo(-12, -26, -13 + step * 1.5, -12, -10 + step * 2, -6);
            c.lineTo(-1, -8);
            c.closeSubpath();
        } else {
            c.moveTo(-9, -34);
            c.lineTo(9, -34);
            c.lineTo(12, -7);
            c.lineTo(-12, -7);
            c.closeSubpath();
        }
        p.drawPath(c);
    };
    if (l.hasCape && side) drawCape();

    // Legs and boots: the step moves one leg forward.
    fill(p, l.legs);
    if (side) {
        p.drawRect(QRectF(-4 + step * 3, -16, 5, 12));
        p.drawRect(QRectF(-1 - step * 3, -16, 5, 12));
        fill(p, l.boots);
        p.drawRoundedRect(QRectF(-5 + step * 3, -6, 8, 6), 2, 2);
        p.drawRoundedRect(QRectF(-2 - step * 3, -6, 8, 6), 2, 2);
    } else {
        p.drawRect(QRectF(-7, -16, 5, 12 - step * 1.5));
        p.drawRect(QRectF(2, -16, 5, 12 + step * 1.5));
        fill(p, l.boots);
        p.drawRoundedRect(QRectF(-8, -5 - step * 1.5, 7, 5), 2, 2);
        p.drawRoundedRect(QRectF(1, -5 + step * 1.5, 7, 5), 2, 2);
    }

    // Body: a tunic with a belt.
    QLinearGradient body(QPointF(-10, 0), QPointF(10, 0));
    body.setColorAt(0, shade(l.tunic, 1.25));
    body.setColorAt(1, shade(l.tunic, 0.75));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    if (side) {
        p.drawRoundedRect(QRectF(-7, -35, 13, 21), 4, 4);
    } else {
        QPainterPath t;
        t.moveTo(-9, -35);
        t.lineTo(9, -35);
        t.lineTo(11, -14);
        t.lineTo(-11, -14);
        t.closeSubpath();
        p.drawPath(t);
    }
    fill(p, shade(l.tunic, 0.5));
    p.drawRect(QRectF(side ? -7 : -10, -20, side ? 13 : 20, 3));
    fill(p, l.trim);
    if (!side) p.drawRect(QRectF(-2, -20, 4, 3));

    // Arms swing against the legs.
    fill(p, shade(l.tunic, 0.9));
    if (side) {
        p.save();
        p.translate(0, -32);
        p.rotate(-step * 22);
        p.drawRoundedRect(QRectF(-2.5, 0, 5, 14), 2, 2);
        fill(p, l.skin);
        p.drawEllipse(QPointF(0, 15), 2.8, 2.8);
        p.restore();
    } else if (facing == 2 || facing == 0) {
        p.drawRoundedRect(QRectF(-14, -34 + step * 1.5, 5, 14), 2, 2);
        p.drawRoundedRect(QRectF(9, -34 - step * 1.5, 5, 14), 2, 2);
        fill(p, l.skin);
        p.drawEllipse(QPointF(-11.5, -19 + step * 1.5), 2.8, 2.8);
        p.drawEllipse(QPointF(11.5, -19 - step * 1.5), 2.8, 2.8);
    }

    if (l.hasCape && facing == 0) drawCape();

    // Item held in the right hand (front view: the figure's right is the picture's left).
    if (l.item != "none" && facing != 0) {
        const QPointF hand = side ? QPointF(std::sin(-step * 22 * M_PI / 180) * -15, -18)
                                  : QPointF(-11.5, -19 + step * 1.5);
        p.setPen(QPen(QColor(90, 64, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
        if (l.item == "staff") {
            p.drawLine(hand + QPointF(0, 8), hand + QPointF(0, -30));
            fill(p, recipe.color("gem", QColor(120, 220, 255)));
            p.drawEllipse(hand + QPointF(0, -32), 3.5, 3.5);
        } else if (l.item == "sword") {
            p.setPen(QPen(QColor(220, 226, 236), 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(hand, hand + (side ? QPointF(12, -10) : QPointF(-3, 14)));
            p.setPen(QPen(l.trim, 2.2));
            p.drawLine(hand + QPointF(-3, 0), hand + QPointF(3, 0));
        } else if (l.item == "bow") {
            p.setPen(QPen(QColor(140, 96, 50), 2.2));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(hand.x() - 6, hand.y() - 14, 12, 28), 90 * 16, 180 * 16);
        } else if (l.item == "book") {
            fill(p, recipe.color("gem", QColor(150, 60, 60)));
            p.drawRect(QRectF(hand.x() - 4, hand.y() - 5, 8, 7));
        }
    }

    // Head: skin, then hair over it by style.
    const QPointF head(side ? 1 : 0, -44);
    fill(p, l.skin);
    p.drawEllipse(head, 10.5, 10);
    fill(p, l.hair);
    const QString st = l.style;
    if (st == "hood") {
        fill(p, recipe.color("hood", l.cape));
        if (facing == 0) {
            p.drawEllipse(head, 12, 12);
        } else {
            QPainterPath h;
            h.addEllipse(head, 12, 11.5);
            QPainterPath face;
            face.addEllipse(head + QPointF(side ? 5 : 0, 3), side ? 6 : 8, 8);
            p.drawPath(h.subtracted(face));
        }
    } else if (st == "helm") {
        fill(p, recipe.color("helm", QColor(170, 176, 190)));
        QPainterPath h;
        h.addEllipse(head + QPointF(0, -2), 11.5, 10);
        if (facing != 0) {
            QPainterPath face;
            face.addRect(QRectF(head.x() - (side ? 2 : 7), head.y() - 2, side ? 14 : 14, 12));
            h = h.subtracted(face);
        }
        p.drawPath(h);
        fill(p, l.trim);
        p.drawRect(QRectF(head.x() - 1.5, head.y() - 14, 3, 6));
    } else if (st == "bald") {
        fill(p, shade(l.skin, 0.92));
        p.drawEllipse(head + QPointF(0, -3), 9, 6);
    } else {
        // Hair: a cap over the top of the head that stops above the eyes; seen from the back
        // it covers the whole head. Paths are unions (winding fill), never cut-outs.
        QPainterPath h;
        h.setFillRule(Qt::WindingFill);
        QPainterPath cap;
        cap.addEllipse(head + QPointF(0, -1), 11.8, 11.3);
        QPainterPath above;
        above.addRect(QRectF(head.x() - 14, head.y() - 16, 28, facing == 0 ? 24 : 13.5));
        h.addPath(cap.intersected(above));
        if (facing != 0) {
            // A fringe of three locks over the forehead, and the locks over the ears.
            for (int k = -1; k <= 1; ++k) {
                const double x = head.x() + (side ? 2 + k * 4 : k * 5.5);
                QPainterPath lock;
                lock.moveTo(x - 3.2, head.y() - 3);
                lock.lineTo(x + (side ? 1.5 : 0), head.y() + 0.5);
                lock.lineTo(x + 3.2, head.y() - 3);
                h.addPath(lock);
            }
            if (!side) {
                h.addRect(QRectF(head.x() - 11.5, head.y() - 4, 3, 7));
                h.addRect(QRectF(head.x() + 8.5, head.y() - 4, 3, 7));
            } else {
                h.addRect(QRectF(head.x() - 11, head.y() - 4, 6, 9));
            }
        }
        if (st == "long") {
            if (facing == 0)
                h.addRect(QRectF(head.x() - 11, head.y(), 22, 15));
            else if (side)
                h.addRect(QRectF(head.x() - 12, head.y() - 3, 8, 17));
            else
                h.addRect(QRectF(head.x() - 12.5, head.y() - 3, 4.5, 16)),
                    h.addRect(QRectF(head.x() + 8, head.y() - 3, 4.5, 16));
        }
        if (st == "spiky") {
            for (int k = -2; k <= 2; ++k) {
                QPainterPath spike;
                spike.moveTo(head + QPointF(k * 4.5 - 3.5, -7));
                spike.lineTo(head + QPointF(k * 5.8, -16 + std::abs(k) * 1.2));
                spike.lineTo(head + QPointF(k * 4.5 + 3.5, -7));
                h.addPath(spike);
            }
        }
        if (st == "tail" && facing != 2) h.addEllipse(head + QPointF(side ? -11 : 0, 3), 4, 7);
        fill(p, l.hair);
        p.drawPath(h);
        // A light streak on the hair.
        fill(p, shade(l.hair, 1.35));
        p.drawEllipse(head + QPointF(side ? 3 : -3, -8), 3.5, 1.6);
    }
    // Face: eyes on the front and side views.
    if (facing == 2) {
        fill(p, l.eyes);
        p.drawRect(QRectF(head.x() - 5, head.y() + 1, 2.6, 4));
        p.drawRect(QRectF(head.x() + 2.4, head.y() + 1, 2.6, 4));
        fill(p, QColor(255, 255, 255));
        p.drawRect(QRectF(head.x() - 4.6, head.y() + 1.3, 1, 1.2));
        p.drawRect(QRectF(head.x() + 2.8, head.y() + 1.3, 1, 1.2));
        fill(p, withAlpha(QColor(230, 120, 120), 150));
        p.drawEllipse(head + QPointF(-7, 5.5), 2, 1.2);
        p.drawEllipse(head + QPointF(7, 5.5), 2, 1.2);
    } else if (side) {
        fill(p, l.eyes);
        p.drawRect(QRectF(head.x() + 5, head.y() + 1, 2.4, 4));
    }
    if (st == "beard" && facing != 0) {
        fill(p, recipe.color("beard", QColor(220, 220, 220)));
        p.drawEllipse(head + QPointF(side ? 4 : 0, 8), side ? 5 : 8, 6);
    }
    p.restore();
}

QImage partySprites(const Recipe& look) {
    QImage sheet = blankArgb(96, 256);
    for (int facing = 0; facing < 4; ++facing) {
        for (int frame = 0; frame < 2; ++frame) {
            QImage cell = blankArgb(48, 64);
            QPainter p;
            beginPainter(p, cell, true);
            // Feet two pixels above the cell's bottom so the outline stays inside the cell.
            drawPerson(p, look, facing, frame, 1.0, QPointF(24, 61));
            p.end();
            hardenAlpha(cell);
            addOutline(cell, QColor(24, 18, 28));
            QPainter s(&sheet);
            s.drawImage(48 * frame, 64 * facing, cell);
        }
    }
    return sheet;
}

namespace {

// The forest warden: a round old owl with tufted ears.
void owl(QPainter& p, const Recipe& r) {
    const QColor c = r.color("base", QColor(150, 120, 86));
    QRadialGradient g(QPointF(13, 12), 16);
    g.setColorAt(0, shade(c, 1.3));
    g.setColorAt(1, shade(c, 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 18), 10, 11);
    QPainterPath ears;
    ears.moveTo(8, 11), ears.lineTo(7, 3), ears.lineTo(13, 9);
    ears.moveTo(24, 11), ears.lineTo(25, 3), ears.lineTo(19, 9);
    p.drawPath(ears);
    p.setBrush(QColor(250, 240, 200));
    p.drawEllipse(QPointF(12, 14), 4, 4);
    p.drawEllipse(QPointF(20, 14), 4, 4);
    p.setBrush(QColor(30, 24, 20));
    p.drawEllipse(QPointF(12, 14), 1.8, 2.2);
    p.drawEllipse(QPointF(20, 14), 1.8, 2.2);
    p.setBrush(QColor(230, 170, 60));
    QPainterPath beak;
    beak.moveTo(14.5, 18), beak.lineTo(17.5, 18), beak.lineTo(16, 21.5);
    p.drawPath(beak);
    p.setBrush(shade(c, 0.7));
    for (int k = 0; k < 3; ++k) p.drawEllipse(QPointF(12 + k * 4, 25), 1.5, 1);
}

}  // namespace

bool drawSmallSprite(QPainter& p, const Recipe& r) {
    const QString k = r.kind();
    if (k != "person" && k != "owl" && k != "monster") return false;
    if (k == "person") {
        drawPerson(p, r, r.integer("facing", 2), 0, r.num("scale", 0.5), QPointF(16, 30));
    } else if (k == "owl") {
        owl(p, r);
    } else {
        // A boss seen on the map: its battle figure, shrunk to the cell.
        const QImage big = monsterPicture(Recipe(r.text().mid(8)), 0);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(QRectF(1, 1, 30, 30), big);
    }
    return true;
}
