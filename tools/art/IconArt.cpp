#include "art/IconArt.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "art/Paint.h"
#include "world/Source.h"

namespace {

// The raised face of a button: a bevelled plate in the game's night-blue.
void plate(QPainter& p, int size, QColor base) {
    QLinearGradient g(QPointF(0, 0), QPointF(0, size));
    g.setColorAt(0, shade(base, 1.35));
    g.setColorAt(1, shade(base, 0.7));
    p.setPen(QPen(shade(base, 0.4), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), 5, 5);
    p.setPen(QPen(withAlpha(QColor(255, 255, 255), 110), 1));
    p.drawLine(QPointF(4, 2), QPointF(size - 4, 2));
}

void inkPen(QPainter& p, QColor c, double w) {
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

}  // namespace

QImage buttonIcon(const QString& name) {
    const bool small = name == "plus" || name == "minus" || name == "page1" || name == "page2" ||
                       name == "prev" || name == "next";
    const int s = small ? 28 : 36;
    QImage img = filledRgb(s, s, QColor(40, 40, 60));
    QPainter p;
    beginPainter(p, img, true);
    plate(p, s, small ? QColor(70, 80, 120) : QColor(56, 66, 110));
    const QColor ink(255, 246, 220), gold(240, 200, 90), dark(30, 20, 30);
    p.setBrush(Qt::NoBrush);
    if (name == "item") {  // a travel bag
        p.setPen(QPen(dark, 1.5));
        p.setBrush(QColor(190, 130, 70));
        p.drawRoundedRect(QRectF(8, 13, 20, 17), 5, 5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(140, 90, 50), 2.5));
        p.drawArc(QRectF(12, 6, 12, 14), 0, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawRect(QRectF(16, 19, 4, 4));
    } else if (name == "magic") {  // a wand with a star
        inkPen(p, QColor(150, 100, 60), 3);
        p.drawLine(QPointF(9, 28), QPointF(21, 15));
        p.setPen(QPen(dark, 1));
        p.setBrush(gold);
        p.drawPath(starShape({24, 12}, 5, 8, 3.4));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(10, 10), 1.5, 1.5);
        p.drawEllipse(QPointF(29, 25), 1.2, 1.2);
    } else if (name == "status") {  // a person's bust
        p.setPen(QPen(dark, 1.2));
        p.setBrush(QColor(120, 180, 240));
        p.drawEllipse(QPointF(18, 13), 6, 6);
        QPainterPath b;
        b.moveTo(7, 30), b.cubicTo(8, 20, 28, 20, 29, 30), b.closeSubpath();
        p.drawPath(b);
    } else if (name == "save") {  // an open book
        p.setPen(QPen(dark, 1.2));
        p.setBrush(QColor(250, 246, 230));
        QPainterPath l, r;
        l.moveTo(18, 11), l.cubicTo(13, 8, 8, 9, 6, 10), l.lineTo(6, 27),
            l.cubicTo(9, 26, 14, 26, 18, 28);
        l.closeSubpath();
        r.moveTo(18, 11), r.cubicTo(23, 8, 28, 9, 30, 10), r.lineTo(30, 27),
            r.cubicTo(27, 26, 22, 26, 18, 28);
        r.closeSubpath();
        p.drawPath(l);
        p.drawPath(r);
        p.setPen(QPen(QColor(120, 120, 140), 1));
        for (int y = 14; y < 25; y += 3) {
            p.drawLine(QPointF(9, y), QPointF(15, y + 0.5));
            p.drawLine(QPointF(21, y + 0.5), QPointF(27, y));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 60, 70));
        p.drawRect(QRectF(23, 6, 3, 9));
    } else if (name == "fight") {  // a sword
        inkPen(p, QColor(225, 230, 240), 4);
        p.drawLine(QPointF(10, 26), QPointF(26, 8));
        inkPen(p, gold, 3);
        p.drawLine(QPointF(9, 19), QPointF(16, 27));
        inkPen(p, QColor(120, 80, 50), 3);
        p.drawLine(QPointF(10, 26), QPointF(7, 29));
    } else if (name == "flee") {  // running arrow
        inkPen(p, ink, 3);
        p.drawLine(QPointF(8, 18), QPointF(26, 18));
        p.drawLine(QPointF(20, 11), QPointF(27, 18));
        p.drawLine(QPointF(20, 25), QPointF(27, 18));
        inkPen(p, withAlpha(ink, 150), 2);
        p.drawLine(QPointF(6, 12), QPointF(13, 12));
        p.drawLine(QPointF(5, 24), QPointF(12, 24));
    } else if (name == "defend") {  // a shield
        QPainterPath sh;
        sh.moveTo(18, 6), sh.lineTo(28, 10), sh.cubicTo(28, 22, 23, 28, 18, 31);
        sh.cubicTo(13, 28, 8, 22, 8, 10);
        sh.closeSubpath();
        p.setPen(QPen(dark, 1.2));
        p.setBrush(QColor(110, 150, 220));
        p.drawPath(sh);
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawPath(starShape({18, 17}, 5, 6, 2.6));
    } else if (name == "plus" || name == "minus") {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(7, 12, 14, 4), 1.5, 1.5);
        if (name == "plus") p.drawRoundedRect(QRectF(12, 7, 4, 14), 1.5, 1.5);
    } else if (name == "prev" || name == "next") {
        QPainterPath a;
        if (name == "next")
            a.moveTo(10, 7), a.lineTo(20, 14), a.lineTo(10, 21);
        else
            a.moveTo(18, 7), a.lineTo(8, 14), a.lineTo(18, 21);
        a.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(a);
    } else if (name == "page1" || name == "page2") {
        QFont f(QStringLiteral("IPAGothic"));
        f.setPixelSize(18);
        f.setBold(true);
        p.setFont(f);
        p.setPen(ink);
        p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, name == "page1" ? "1" : "2");
    } else {
        p.end();
        throw ContentError("pictures", 0, QStringLiteral("no button icon \"%1\"").arg(name));
    }
    p.end();
    return img;
}

QImage targetMarker() {
    QImage img = blankArgb(32, 32);
    QPainter p;
    beginPainter(p, img, true);
    QPainterPath a;
    a.moveTo(16, 28), a.lineTo(4, 12), a.lineTo(11, 12), a.lineTo(11, 3), a.lineTo(21, 3);
    a.lineTo(21, 12), a.lineTo(28, 12);
    a.closeSubpath();
    QLinearGradient g(QPointF(0, 3), QPointF(0, 28));
    g.setColorAt(0, QColor(255, 250, 200));
    g.setColorAt(1, QColor(250, 170, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(a);
    p.end();
    hardenAlpha(img);
    addOutline(img, QColor(60, 20, 10));
    return img;
}

LightOverlay lightOverlay() {
    // An ordered (Bayer 4 x 4) dither turns the soft edge of the light into pure black and
    // white, which the AND/XOR passes need.
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    LightOverlay o{filledRgb(128, 128, Qt::black), filledRgb(128, 128, Qt::black)};
    const QColor night(8, 10, 26);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            const double d = std::hypot(x - 63.5, y - 63.5) / 64.0;
            // Full light inside 0.42 of the radius, fading out to 0.98.
            const double light = std::clamp((0.98 - d) / (0.98 - 0.42), 0.0, 1.0);
            const bool lit = light * 16.0 > bayer[y % 4][x % 4] + 0.5;
            o.andPicture.setPixelColor(x, y, lit ? Qt::white : Qt::black);
            o.xorPicture.setPixelColor(x, y, lit ? Qt::black : night);
        }
    }
    return o;
}
