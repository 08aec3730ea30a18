#include "art/PortraitArt.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "art/Paint.h"

namespace {

void fill(QPainter& p, QColor c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

const QColor kLine(50, 34, 34);

}  // namespace

QImage facePicture(const Recipe& r) {
    QImage img = filledRgb(96, 96, Qt::black);
    QPainter p;
    beginPainter(p, img, true);

    const QColor bg = r.color("bg", QColor(70, 90, 130));
    const QColor skin = r.color("skin", QColor(250, 218, 190));
    const QColor hair = r.color("hair", QColor(90, 60, 40));
    const QColor tunic = r.color("tunic", QColor(60, 100, 170));
    const QColor eyeC = r.color("eyes", QColor(60, 90, 160));
    const QString style = r.str("style", "short");
    const bool old = r.flag("old");
    const bool female = r.flag("female");

    // Background: a soft vertical gradient with a light spot behind the head.
    QLinearGradient bgG(QPointF(0, 0), QPointF(0, 96));
    bgG.setColorAt(0, shade(bg, 1.3));
    bgG.setColorAt(1, shade(bg, 0.7));
    p.fillRect(QRect(0, 0, 96, 96), bgG);
    QRadialGradient halo(QPointF(48, 40), 44);
    halo.setColorAt(0, withAlpha(QColor(255, 255, 255), 70));
    halo.setColorAt(1, withAlpha(QColor(255, 255, 255), 0));
    p.fillRect(QRect(0, 0, 96, 96), halo);

    // Hair behind the head (long styles fall to the shoulders).
    if (style == "long" || style == "tail") {
        fill(p, shade(hair, 0.85));
        QPainterPath back;
        back.moveTo(22, 36);
        back.cubicTo(16, 70, 22, 84, 28, 92);
        back.lineTo(68, 92);
        back.cubicTo(74, 84, 80, 70, 74, 36);
        back.closeSubpath();
        p.drawPath(back);
    }

    // Shoulders and clothes.
    QLinearGradient cl(QPointF(0, 70), QPointF(96, 96));
    cl.setColorAt(0, shade(tunic, 1.25));
    cl.setColorAt(1, shade(tunic, 0.7));
    p.setPen(Qt::NoPen);
    p.setBrush(cl);
    QPainterPath body;
    body.moveTo(10, 96), body.cubicTo(12, 78, 26, 72, 40, 70);
    body.lineTo(56, 70), body.cubicTo(70, 72, 84, 78, 86, 96);
    body.closeSubpath();
    p.drawPath(body);
    if (r.has("armour")) {
        fill(p, r.color("armour", QColor(170, 176, 190)));
        p.drawEllipse(QPointF(20, 84), 13, 9);
        p.drawEllipse(QPointF(76, 84), 13, 9);
    }
    fill(p, r.color("trim", shade(tunic, 1.5)));
    QPainterPath collar;
    collar.moveTo(36, 71), collar.lineTo(48, 84), collar.lineTo(60, 71), collar.lineTo(56, 70);
    collar.lineTo(48, 78), collar.lineTo(40, 70);
    p.drawPath(collar);
    // Neck.
    fill(p, shade(skin, 0.88));
    p.drawRect(QRectF(41, 58, 14, 14));

    // Head.
    QPainterPath head;
    head.moveTo(28, 40);
    head.cubicTo(28, 20, 68, 20, 68, 40);
    head.cubicTo(68, 54, 60, 66, 48, 68);
    head.cubicTo(36, 66, 28, 54, 28, 40);
    QRadialGradient sk(QPointF(42, 42), 30);
    sk.setColorAt(0, shade(skin, 1.05));
    sk.setColorAt(1, shade(skin, 0.86));
    p.setBrush(sk);
    p.drawPath(head);
    // Ears.
    fill(p, shade(skin, 0.92));
    if (r.flag("elf")) {
        QPainterPath ears;
        ears.moveTo(29, 42), ears.lineTo(16, 30), ears.lineTo(30, 50);
        ears.moveTo(67, 42), ears.lineTo(80, 30), ears.lineTo(66, 50);
        p.drawPath(ears);
    } else {
        p.drawEllipse(QPointF(28, 45), 3.5, 5.5);
        p.drawEllipse(QPointF(68, 45), 3.5, 5.5);
    }
    // Cheeks.
    if (!old) {
        fill(p, withAlpha(QColor(240, 130, 130), female ? 90 : 50));
        p.drawEllipse(QPointF(36, 53), 5, 3);
        p.drawEllipse(QPointF(60, 53), 5, 3);
    }

    // Eyes: large with a highlight; narrower for the old and the stern.
    const bool narrow = old || r.flag("stern");
    const double eh = narrow ? 3.5 : (female ? 7.5 : 6.5);
    for (double ex : {39.0, 57.0}) {
        fill(p, QColor(252, 252, 250));
        p.drawEllipse(QPointF(ex, 46), 5.2, eh);
        fill(p, eyeC);
        p.drawEllipse(QPointF(ex + 0.6, 46.5), 3.6, eh * 0.85);
        fill(p, shade(eyeC, 0.4));
        p.drawEllipse(QPointF(ex + 0.6, 47), 1.8, eh * 0.45);
        fill(p, QColor(255, 255, 255));
        p.drawEllipse(QPointF(ex - 1, 44.5), 1.3, 1.5);
        p.setPen(QPen(kLine, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(ex - 6, 46 - eh - 1, 12, eh * 2), 20 * 16, 140 * 16);
        if (female)
            p.drawLine(QPointF(ex + (ex < 48 ? -5.5 : 5.5), 44),
                       QPointF(ex + (ex < 48 ? -7.5 : 7.5), 42.5));
    }
    // Brows.
    p.setPen(QPen(shade(hair, 0.7), 2.2, Qt::SolidLine, Qt::RoundCap));
    const double tilt = r.flag("stern") ? 2.5 : (r.flag("kind") ? -1.5 : 0);
    p.drawLine(QPointF(34, 37 - tilt), QPointF(43, 37 + tilt));
    p.drawLine(QPointF(53, 37 + tilt), QPointF(62, 37 - tilt));
    // Nose and mouth.
    p.setPen(QPen(shade(skin, 0.7), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(48, 50), QPointF(47, 54));
    p.setPen(QPen(QColor(170, 80, 80), 1.8, Qt::SolidLine, Qt::RoundCap));
    const QString mouth = r.str("mouth", "smile");
    if (mouth == "smile")
        p.drawArc(QRectF(43, 55, 10, 5), 200 * 16, 140 * 16);
    else if (mouth == "open") {
        fill(p, QColor(150, 60, 60));
        p.drawEllipse(QPointF(48, 59), 3.5, 2.5);
    } else
        p.drawLine(QPointF(44, 59), QPointF(52, 59));
    if (old) {
        p.setPen(QPen(shade(skin, 0.72), 1.2));
        p.drawLine(QPointF(33, 52), QPointF(36, 56));
        p.drawLine(QPointF(63, 52), QPointF(60, 56));
        p.drawLine(QPointF(40, 33), QPointF(56, 33));
    }
    if (r.has("beard")) {
        fill(p, r.color("beard", QColor(220, 220, 216)));
        QPainterPath b;
        b.moveTo(32, 52), b.cubicTo(32, 72, 44, 82, 48, 84), b.cubicTo(52, 82, 64, 72, 64, 52);
        b.cubicTo(58, 62, 38, 62, 32, 52);
        p.drawPath(b);
        p.setPen(QPen(shade(r.color("beard", QColor(220, 220, 216)), 0.8), 1.5));
        p.drawLine(QPointF(42, 58), QPointF(48, 57));
        p.drawLine(QPointF(54, 58), QPointF(48, 57));
    }
    if (r.has("scar")) {
        p.setPen(QPen(QColor(190, 110, 100), 1.6));
        p.drawLine(QPointF(58, 36), QPointF(63, 50));
    }

    // Hair in front: a crown of hair with bangs, shaped by the style.
    QLinearGradient hg(QPointF(30, 16), QPointF(66, 50));
    hg.setColorAt(0, shade(hair, 1.35));
    hg.setColorAt(1, shade(hair, 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(hg);
    if (style == "bald") {
        fill(p, shade(hair, 1.0));
        p.drawEllipse(QPointF(30, 40), 4, 8);
        p.drawEllipse(QPointF(66, 40), 4, 8);
    } else if (style == "hood") {
        fill(p, r.color("hood", QColor(120, 60, 60)));
        QPainterPath hood;
        hood.addEllipse(QPointF(48, 40), 27, 29);
        QPainterPath face;
        face.addEllipse(QPointF(48, 46), 19, 22);
        p.drawPath(hood.subtracted(face));
    } else {
        QPainterPath h;
        h.moveTo(26, 44);
        h.cubicTo(22, 14, 74, 14, 70, 44);
        // Bangs: three tufts over the forehead.
        h.lineTo(66, 34);
        h.quadTo(62, 40, 57, 38);
        h.quadTo(54, 31, 49, 38);
        h.quadTo(44, 30, 40, 38);
        h.quadTo(34, 40, 30, 34);
        h.closeSubpath();
        p.drawPath(h);
        if (style == "spiky") {
            for (int k = 0; k < 5; ++k) {
                QPainterPath s;
                const double x = 30 + k * 9;
                s.moveTo(x - 6, 26), s.lineTo(x + (k - 2) * 3, 8 + std::abs(k - 2) * 3),
                    s.lineTo(x + 6, 26);
                p.drawPath(s);
            }
        }
        if (style == "long" || style == "tail") {
            p.drawRect(QRectF(24, 40, 7, 28));
            p.drawRect(QRectF(65, 40, 7, 28));
        }
        if (style == "tail") {
            fill(p, shade(hair, 0.9));
            p.drawEllipse(QPointF(74, 30), 8, 12);
        }
        fill(p, withAlpha(QColor(255, 255, 255), 80));
        p.drawEllipse(QPointF(40, 24), 8, 3);
    }

    // Head wear.
    if (r.has("circlet")) {
        fill(p, r.color("circlet", QColor(240, 200, 80)));
        p.drawRect(QRectF(30, 29, 36, 3));
        fill(p, QColor(120, 200, 255));
        p.drawEllipse(QPointF(48, 30.5), 3, 3);
    }
    if (r.has("helm")) {
        QLinearGradient mg(QPointF(28, 0), QPointF(68, 0));
        const QColor m = r.color("helm", QColor(170, 176, 190));
        mg.setColorAt(0, shade(m, 1.4));
        mg.setColorAt(1, shade(m, 0.65));
        p.setBrush(mg);
        QPainterPath hm;
        hm.moveTo(25, 42), hm.cubicTo(22, 8, 74, 8, 71, 42), hm.lineTo(66, 36), hm.lineTo(30, 36);
        hm.closeSubpath();
        p.drawPath(hm);
        fill(p, r.color("trim", QColor(230, 190, 80)));
        p.drawRect(QRectF(46, 12, 4, 24));
    }
    if (r.has("hat")) {
        fill(p, r.color("hat", QColor(60, 50, 110)));
        QPainterPath hat;
        hat.moveTo(16, 32), hat.quadTo(48, 22, 80, 32), hat.quadTo(48, 26, 16, 32);
        hat.moveTo(30, 30), hat.lineTo(52, 0), hat.lineTo(66, 30);
        p.drawPath(hat);
        p.drawEllipse(QPointF(48, 30), 32, 5);
    }
    if (r.has("glasses")) {
        p.setPen(QPen(QColor(60, 50, 40), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(39, 46), 6.5, 6);
        p.drawEllipse(QPointF(57, 46), 6.5, 6);
        p.drawLine(QPointF(45.5, 46), QPointF(50.5, 46));
    }
    if (r.has("flower")) {
        fill(p, r.color("flower", QColor(250, 150, 190)));
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.drawEllipse(QPointF(66 + std::cos(a) * 3.5, 26 + std::sin(a) * 3.5), 2.8, 2.8);
        }
        fill(p, QColor(250, 230, 100));
        p.drawEllipse(QPointF(66, 26), 2, 2);
    }

    // Frame.
    p.setPen(QPen(shade(bg, 0.45), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 94, 94));
    p.end();
    return img;
}
