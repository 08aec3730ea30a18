#include "art/EffectArt.h"

#include <QRadialGradient>
#include <cmath>

#include "art/Paint.h"
#include "world/Source.h"

namespace {

void glow(QPainter& p, QPointF c, double r, QColor col) {
    QRadialGradient g(c, r);
    g.setColorAt(0, QColor(255, 255, 240));
    g.setColorAt(0.35, shade(col, 1.4));
    g.setColorAt(1, col);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

}  // namespace

QImage effectPicture(const Recipe& r) {
    QImage img = blankArgb(64, 64);
    QPainter p;
    beginPainter(p, img, true);
    const QColor c = r.color("color", QColor(250, 140, 50));
    Rng rng(r.text());
    const QString k = r.kind();
    const QPointF mid(32, 32);
    if (k == "burst") {  // flame burst
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 9; ++i) {
            const double a = i * 2 * M_PI / 9;
            QPainterPath t;
            t.moveTo(mid);
            t.lineTo(mid + QPointF(std::cos(a - 0.25) * 16, std::sin(a - 0.25) * 16));
            t.lineTo(mid + QPointF(std::cos(a) * 27, std::sin(a) * 27));
            t.lineTo(mid + QPointF(std::cos(a + 0.25) * 16, std::sin(a + 0.25) * 16));
            p.setBrush(i % 2 ? c : shade(c, 0.8));
            p.drawPath(t);
        }
        glow(p, mid, 15, c);
    } else if (k == "shards") {  // ice shards
        for (int i = 0; i < 7; ++i) {
            const double a = i * 2 * M_PI / 7 + 0.3;
            p.save();
            p.translate(mid);
            p.rotate(a * 180 / M_PI);
            QPainterPath s;
            s.moveTo(6, 0), s.lineTo(14, -5), s.lineTo(27, 0), s.lineTo(14, 5);
            s.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(i % 2 ? c : shade(c, 1.3));
            p.drawPath(s);
            p.restore();
        }
        p.setBrush(shade(c, 1.6));
        p.drawPath(starShape(mid, 6, 9, 4));
    } else if (k == "bolt") {  // lightning
        QPainterPath b;
        b.moveTo(36, 4), b.lineTo(20, 30), b.lineTo(31, 30), b.lineTo(22, 60), b.lineTo(46, 24);
        b.lineTo(34, 24), b.lineTo(44, 4);
        b.closeSubpath();
        glow(p, {32, 36}, 12, shade(c, 0.9));
        p.setPen(QPen(shade(c, 0.7), 2));
        p.setBrush(shade(c, 1.4));
        p.drawPath(b);
    } else if (k == "stars" || k == "meteor") {  // falling stars
        const int n = k == "meteor" ? 3 : 5;
        for (int i = 0; i < n; ++i) {
            const QPointF q(12 + rng.range(0, 40), 12 + rng.range(0, 40));
            if (k == "meteor") {
                p.setPen(QPen(shade(c, 0.8), 4, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(q, q + QPointF(-9, -9));
            }
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPath(starShape(q, 5, k == "meteor" ? 11 : 8, k == "meteor" ? 5 : 3.5));
            p.setBrush(QColor(255, 255, 250));
            p.drawEllipse(q, 2, 2);
        }
    } else if (k == "sparkle") {  // healing light
        for (int i = 0; i < 6; ++i) {
            const QPointF q(10 + rng.range(0, 44), 10 + rng.range(0, 44));
            p.setPen(Qt::NoPen);
            p.setBrush(i % 2 ? c : shade(c, 1.4));
            p.drawPath(starShape(q, 4, 7 + rng.range(0, 4), 2));
        }
        p.setBrush(shade(c, 1.5));
        p.drawPath(starShape(mid, 4, 14, 3.5));
    } else if (k == "shield") {
        QPainterPath s;
        s.moveTo(32, 6), s.lineTo(54, 14), s.cubicTo(54, 38, 44, 52, 32, 58);
        s.cubicTo(20, 52, 10, 38, 10, 14);
        s.closeSubpath();
        p.setPen(QPen(shade(c, 0.6), 3));
        p.setBrush(shade(c, 1.2));
        p.drawPath(s);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 240));
        p.drawPath(starShape({32, 30}, 4, 11, 3));
    } else if (k == "wind") {
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(i % 2 ? c : shade(c, 1.3), 4, Qt::SolidLine, Qt::RoundCap));
            const double y = 16 + i * 14;
            QPainterPath w;
            w.moveTo(6, y), w.cubicTo(26, y - 10, 40, y + 10, 56, y - 2);
            w.arcTo(QRectF(48, y - 10, 10, 10), -90, 200);
            p.drawPath(w);
        }
    } else if (k == "holy") {  // a cross of light with rays
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(mid);
            p.rotate(i * 45);
            p.setBrush(shade(c, i % 2 ? 1.0 : 1.3));
            p.drawRect(QRectF(-2, -28, 4, 14));
            p.restore();
        }
        p.setBrush(shade(c, 1.4));
        p.drawRect(QRectF(28, 12, 8, 40));
        p.drawRect(QRectF(16, 24, 32, 8));
    } else if (k == "ring") {
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(shade(c, 1.0 + 0.2 * i), 3));
            p.drawEllipse(mid, 26 - i * 8, 26 - i * 8);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(mid, 4, 4);
    } else if (k == "petal") {
        for (int i = 0; i < 10; ++i) {
            const QPointF q(10 + rng.range(0, 44), 10 + rng.range(0, 44));
            p.save();
            p.translate(q);
            p.rotate(rng.range(0, 180));
            p.setPen(Qt::NoPen);
            p.setBrush(i % 2 ? c : shade(c, 1.3));
            p.drawEllipse(QPointF(0, 0), 6, 3);
            p.restore();
        }
    } else {
        p.end();
        throw ContentError("pictures.txt", 0, QStringLiteral("no spell effect \"%1\"").arg(k));
    }
    p.end();
    hardenAlpha(img);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (x < 4 || y < 4 || x > 59 || y > 59) img.setPixel(x, y, qRgba(0, 0, 0, 0));
    addOutline(img, shade(c, 0.35), false);
    return img;
}
