#include "art/SceneryArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "art/Paint.h"
#include "art/SpriteArt.h"
#include "art/TileArt.h"
#include "world/Source.h"

namespace {

// --- building blocks ----------------------------------------------------------------------

void sky(QPainter& p, QRectF r, QColor top, QColor bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void stars(QPainter& p, QRectF r, int count, Rng& rng, QColor c = QColor(255, 250, 230)) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF q(r.left() + rng.range(0, r.width()), r.top() + rng.range(0, r.height()));
        const double s = rng.uniform();
        p.setBrush(withAlpha(c, int(120 + 135 * s)));
        p.drawEllipse(q, 0.6 + s * 1.1, 0.6 + s * 1.1);
        if (s > 0.93) {
            p.setPen(QPen(withAlpha(c, 160), 1));
            p.drawLine(q - QPointF(4, 0), q + QPointF(4, 0));
            p.drawLine(q - QPointF(0, 4), q + QPointF(0, 4));
            p.setPen(Qt::NoPen);
        }
    }
}

void glowDisc(QPainter& p, QPointF c, double r, QColor col, int alpha = 160) {
    QRadialGradient g(c, r);
    g.setColorAt(0, withAlpha(col, alpha));
    g.setColorAt(1, withAlpha(col, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// A ridge line across the picture by midpoint displacement, filled down to `bottom`.
void ridge(QPainter& p, double width, double baseY, double amp, double bottom, QBrush brush,
           Rng& rng) {
    const int n = 65;
    std::vector<double> h(n, 0.0);
    h[0] = rng.range(-1, 1);
    h[n - 1] = rng.range(-1, 1);
    for (int step = (n - 1) / 2; step >= 1; step /= 2) {
        for (int i = step; i < n - 1; i += 2 * step)
            h[i] = (h[i - step] + h[i + step]) / 2 + rng.range(-1, 1) * step / double(n) * 2.2;
    }
    QPainterPath path;
    path.moveTo(0, bottom);
    for (int i = 0; i < n; ++i) path.lineTo(width * i / (n - 1), baseY - h[i] * amp);
    path.lineTo(width, bottom);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(path);
}

void roundTree(QPainter& p, QPointF base, double h, QColor leaf, QColor trunk) {
    p.setPen(Qt::NoPen);
    p.setBrush(trunk);
    p.drawRect(QRectF(base.x() - h * 0.06, base.y() - h * 0.45, h * 0.12, h * 0.45));
    QRadialGradient g(base + QPointF(-h * 0.12, -h * 0.8), h * 0.55);
    g.setColorAt(0, shade(leaf, 1.35));
    g.setColorAt(1, shade(leaf, 0.75));
    p.setBrush(g);
    p.drawEllipse(base + QPointF(0, -h * 0.68), h * 0.36, h * 0.34);
}

void pineSil(QPainter& p, QPointF base, double h, QColor c) {
    QPainterPath t;
    t.moveTo(base + QPointF(0, -h));
    t.lineTo(base + QPointF(h * 0.24, 0));
    t.lineTo(base + QPointF(-h * 0.24, 0));
    t.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(t);
}

void trunk(QPainter& p, double x, double w, double top, double bottom, QColor c) {
    QLinearGradient g(QPointF(x - w / 2, 0), QPointF(x + w / 2, 0));
    g.setColorAt(0, shade(c, 0.6));
    g.setColorAt(0.35, shade(c, 1.25));
    g.setColorAt(1, shade(c, 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    QPainterPath t;
    t.moveTo(x - w / 2, bottom);
    t.lineTo(x - w / 2.6, top);
    t.lineTo(x + w / 2.6, top);
    t.lineTo(x + w / 2, bottom);
    t.lineTo(x + w * 0.8, bottom + 6);
    t.lineTo(x - w * 0.8, bottom + 6);
    t.closeSubpath();
    p.drawPath(t);
}

void rays(QPainter& p, QPointF from, double spread, double length, QColor c) {
    for (int k = -2; k <= 2; ++k) {
        QPainterPath r;
        const double a = M_PI / 2 + k * spread;
        r.moveTo(from + QPointF(k * 14 - 8, 0));
        r.lineTo(from + QPointF(std::cos(a) * length * 0.9 + k * 30 - 30, std::sin(a) * length));
        r.lineTo(from + QPointF(std::cos(a) * length * 0.9 + k * 30 + 30, std::sin(a) * length));
        r.lineTo(from + QPointF(k * 14 + 8, 0));
        r.closeSubpath();
        QLinearGradient g(from, from + QPointF(0, length));
        g.setColorAt(0, withAlpha(c, 70));
        g.setColorAt(1, withAlpha(c, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(r);
    }
}

// A floor seen in perspective: rows of tiles narrowing towards the horizon.
void perspectiveFloor(QPainter& p, QRectF r, QColor a, QColor b, int cols) {
    const int rows = 8;
    p.fillRect(r, shade(mix(a, b, 0.5), 0.7));
    const double vx = r.center().x();
    for (int row = 0; row < rows; ++row) {
        const double t0 = std::pow(double(row) / rows, 1.6),
                     t1 = std::pow(double(row + 1) / rows, 1.6);
        const double y0 = r.top() + r.height() * t0, y1 = r.top() + r.height() * t1;
        for (int c = -cols; c < cols; ++c) {
            auto xAt = [&](double t, int col) {
                return vx + col * (r.width() / cols) * (0.55 + 0.45 * t);
            };
            QPolygonF q;
            q << QPointF(xAt(t0, c), y0) << QPointF(xAt(t0, c + 1), y0)
              << QPointF(xAt(t1, c + 1), y1) << QPointF(xAt(t1, c), y1);
            const QColor base = ((row + c) & 1) ? a : b;
            p.setPen(QPen(shade(base, 0.7), 1));
            p.setBrush(shade(base, 0.75 + 0.35 * t1));
            p.drawPolygon(q);
        }
    }
}

void brickWall(QPainter& p, QRectF r, QColor c, Rng& rng, int bw = 48, int bh = 22) {
    p.fillRect(r, shade(c, 0.5));
    int row = 0;
    for (double y = r.top(); y < r.bottom(); y += bh, ++row) {
        const double off = (row % 2) ? bw / 2.0 : 0;
        for (double x = r.left() - bw + off; x < r.right(); x += bw) {
            const QColor b = shade(c, rng.range(0.85, 1.1));
            p.setPen(Qt::NoPen);
            p.setBrush(b);
            p.drawRect(QRectF(x + 2, y + 2, bw - 4, bh - 4));
            p.setBrush(shade(b, 1.2));
            p.drawRect(QRectF(x + 2, y + 2, bw - 4, 2));
        }
    }
}

void planksWall(QPainter& p, QRectF r, QColor c, Rng& rng) {
    for (double x = r.left(); x < r.right(); x += 26) {
        p.fillRect(QRectF(x, r.top(), 26, r.height()), shade(c, rng.range(0.88, 1.08)));
        p.fillRect(QRectF(x, r.top(), 2, r.height()), shade(c, 0.6));
    }
}

void window(QPainter& p, QRectF r, QColor glass, QColor frame) {
    p.setPen(Qt::NoPen);
    p.setBrush(frame);
    p.drawRoundedRect(r.adjusted(-5, -5, 5, 5), 4, 4);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, shade(glass, 1.3));
    g.setColorAt(1, glass);
    p.setBrush(g);
    p.drawRect(r);
    p.setBrush(frame);
    p.drawRect(QRectF(r.center().x() - 2, r.top(), 4, r.height()));
    p.drawRect(QRectF(r.left(), r.center().y() - 2, r.width(), 4));
}

void crystalCluster(QPainter& p, QPointF base, double h, QColor c) {
    for (int k = -1; k <= 1; ++k) {
        const double hh = h * (k == 0 ? 1.0 : 0.6), w = h * 0.18;
        QPainterPath s;
        s.moveTo(base + QPointF(k * w * 1.5 - w, 0));
        s.lineTo(base + QPointF(k * w * 2.2 - w * 0.7, -hh * 0.8));
        s.lineTo(base + QPointF(k * w * 2.6, -hh));
        s.lineTo(base + QPointF(k * w * 2.2 + w * 0.7, -hh * 0.8));
        s.lineTo(base + QPointF(k * w * 1.5 + w, 0));
        s.closeSubpath();
        QLinearGradient g(base + QPointF(-w * 3, 0), base + QPointF(w * 3, 0));
        g.setColorAt(0, shade(c, 1.6));
        g.setColorAt(0.5, c);
        g.setColorAt(1, shade(c, 0.55));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(s);
    }
    glowDisc(p, base + QPointF(0, -h * 0.5), h * 0.9, c, 60);
}

void stalactites(QPainter& p, double width, double top, QColor c, Rng& rng) {
    for (double x = 0; x < width; x += rng.range(20, 60)) {
        const double h = rng.range(20, 90), w = rng.range(10, 26);
        QPainterPath s;
        s.moveTo(x - w, top), s.lineTo(x + w, top), s.lineTo(x + rng.range(-3, 3), top + h);
        s.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(shade(c, rng.range(0.8, 1.1)));
        p.drawPath(s);
    }
}

void altarShape(QPainter& p, QPointF base, double w, QColor stone, QColor cloth) {
    p.setPen(Qt::NoPen);
    p.setBrush(shade(stone, 0.7));
    p.drawRect(QRectF(base.x() - w / 2 - 8, base.y() - 14, w + 16, 14));
    QLinearGradient g(QPointF(base.x() - w / 2, 0), QPointF(base.x() + w / 2, 0));
    g.setColorAt(0, shade(stone, 1.25));
    g.setColorAt(1, shade(stone, 0.7));
    p.setBrush(g);
    p.drawRect(QRectF(base.x() - w / 2, base.y() - w * 0.55, w, w * 0.55 - 14));
    p.setBrush(cloth);
    p.drawRect(QRectF(base.x() - w * 0.2, base.y() - w * 0.55, w * 0.4, w * 0.45));
}

void magicCircle(QPainter& p, QPointF c, double rx, double ry, QColor col) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(col, 3));
    p.drawEllipse(c, rx, ry);
    p.setPen(QPen(shade(col, 1.4), 2));
    p.drawEllipse(c, rx * 0.78, ry * 0.78);
    QPainterPath s;
    for (int k = 0; k <= 5; ++k) {
        const double a = -M_PI / 2 + k * 4 * M_PI / 5;
        const QPointF q = c + QPointF(std::cos(a) * rx * 0.78, std::sin(a) * ry * 0.78);
        if (k == 0)
            s.moveTo(q);
        else
            s.lineTo(q);
    }
    p.drawPath(s);
    glowDisc(p, c, rx * 1.1, col, 90);
}

void shootingStar(QPainter& p, QPointF head, QPointF dir, double len, QColor c) {
    QLinearGradient g(head, head - dir * len);
    g.setColorAt(0, withAlpha(c, 255));
    g.setColorAt(1, withAlpha(c, 0));
    p.setPen(QPen(QBrush(g), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(head, head - dir * len);
    glowDisc(p, head, 12, c, 200);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 250));
    p.drawEllipse(head, 2.5, 2.5);
}

// --- compositions ---------------------------------------------------------------------------

void plainField(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    const double W = s.width(), H = s.height();
    sky(p, QRectF(0, 0, W, H * 0.55), r.color("sky", QColor(110, 170, 235)), QColor(210, 230, 245));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        const QPointF c(rng.range(0, W), rng.range(H * 0.08, H * 0.3));
        p.setBrush(withAlpha(QColor(255, 255, 255), 200));
        for (int k = 0; k < 4; ++k) p.drawEllipse(c + QPointF(k * 22 - 30, (k % 2) * -8), 28, 16);
    }
    ridge(p, W, H * 0.48, 60, H, shade(QColor(120, 140, 170), 1.0), rng);
    for (double x = 10; x < W; x += rng.range(14, 30))
        pineSil(p, {x, H * 0.54}, rng.range(24, 44), QColor(70, 110, 90));
    ridge(p, W, H * 0.56, 30, H, QColor(90, 140, 90), rng);
    QLinearGradient g(QPointF(0, H * 0.58), QPointF(0, H));
    g.setColorAt(0, r.color("ground", QColor(110, 170, 80)));
    g.setColorAt(1, shade(r.color("ground", QColor(110, 170, 80)), 0.7));
    p.fillRect(QRectF(0, H * 0.6, W, H * 0.4), g);
    for (int i = 0; i < 9; ++i)
        roundTree(p, {rng.range(0, W), H * 0.6 + rng.range(0, 8)}, rng.range(40, 70),
                  QColor(60, 130, 70), QColor(90, 60, 40));
}

void forest(QPainter& p, QSize s, const Recipe& r, Rng& rng, bool night) {
    const double W = s.width(), H = s.height();
    const QColor leaf = r.color("leaf", night ? QColor(30, 60, 60) : QColor(60, 120, 70));
    sky(p, QRectF(0, 0, W, H), night ? QColor(14, 20, 44) : QColor(150, 200, 170),
        night ? QColor(30, 50, 70) : QColor(200, 230, 190));
    if (night) stars(p, QRectF(0, 0, W, H * 0.4), 120, rng);
    for (int layer = 0; layer < 3; ++layer) {
        const QColor c = shade(leaf, 0.55 + layer * 0.2);
        for (double x = -20; x < W + 20; x += rng.range(24, 44))
            roundTree(p, {x, H * (0.52 + layer * 0.06)}, rng.range(120, 190) - layer * 20, c,
                      shade(c, 0.7));
    }
    QLinearGradient g(QPointF(0, H * 0.6), QPointF(0, H));
    const QColor grass = r.color("ground", night ? QColor(40, 70, 50) : QColor(96, 150, 70));
    g.setColorAt(0, grass);
    g.setColorAt(1, shade(grass, 0.65));
    p.fillRect(QRectF(0, H * 0.62, W, H * 0.38), g);
    // A path winding into the wood.
    QPainterPath path;
    path.moveTo(W * 0.38, H),
        path.cubicTo(W * 0.45, H * 0.8, W * 0.56, H * 0.72, W * 0.5, H * 0.63);
    path.lineTo(W * 0.53, H * 0.63),
        path.cubicTo(W * 0.6, H * 0.72, W * 0.58, H * 0.85, W * 0.66, H);
    p.setPen(Qt::NoPen);
    p.setBrush(r.color("path", night ? QColor(80, 80, 70) : QColor(190, 160, 110)));
    p.drawPath(path);
    // Big trunks framing the view and a canopy.
    const QColor bark = night ? QColor(60, 50, 46) : QColor(110, 80, 56);
    trunk(p, W * 0.06, 70, 0, H * 0.92, bark);
    trunk(p, W * 0.92, 80, 0, H * 0.95, bark);
    trunk(p, W * 0.2, 36, 0, H * 0.74, shade(bark, 0.85));
    trunk(p, W * 0.8, 40, 0, H * 0.76, shade(bark, 0.85));
    for (double x = -30; x < W + 30; x += 50) {
        QRadialGradient cg(QPointF(x, 10), 80);
        cg.setColorAt(0, shade(leaf, 1.2));
        cg.setColorAt(1, shade(leaf, 0.6));
        p.setBrush(cg);
        p.drawEllipse(QPointF(x, rng.range(-10, 20)), 70, 50);
    }
    if (!night) rays(p, {W * 0.55, 0}, 0.18, H * 0.8, QColor(255, 250, 200));
    for (int i = 0; i < 40; ++i) {
        p.setBrush(shade(grass, rng.range(1.1, 1.4)));
        const QPointF q(rng.range(0, W), rng.range(H * 0.66, H));
        p.drawEllipse(q, 3, 1.5);
    }
}

void cave(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    const double W = s.width(), H = s.height();
    const QColor rock = r.color("rock", QColor(70, 62, 80));
    const QColor glowC = r.color("crystal", QColor(110, 200, 250));
    sky(p, QRectF(0, 0, W, H), shade(rock, 0.45), shade(rock, 0.8));
    ridge(p, W, H * 0.35, 70, H, shade(rock, 0.75), rng);
    ridge(p, W, H * 0.5, 40, H, shade(rock, 0.95), rng);
    QLinearGradient g(QPointF(0, H * 0.6), QPointF(0, H));
    g.setColorAt(0, shade(rock, 1.1));
    g.setColorAt(1, shade(rock, 0.7));
    p.fillRect(QRectF(0, H * 0.62, W, H * 0.38), g);
    stalactites(p, W, 0, shade(rock, 0.65), rng);
    for (int i = 0; i < 7; ++i) {
        const double x = rng.range(0, W);
        crystalCluster(p, {x, H * rng.range(0.55, 0.7)}, rng.range(30, 70), glowC);
    }
    crystalCluster(p, {W * 0.08, H * 0.95}, 120, glowC);
    crystalCluster(p, {W * 0.93, H * 0.97}, 140, shade(glowC, 0.9));
    for (int i = 0; i < 30; ++i) {
        p.setBrush(shade(rock, rng.range(0.6, 1.3)));
        p.drawEllipse(QPointF(rng.range(0, W), rng.range(H * 0.66, H)), rng.range(3, 9),
                      rng.range(2, 5));
    }
}

void towerHall(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    const double W = s.width(), H = s.height();
    const QColor stone = r.color("stone", QColor(110, 100, 130));
    brickWall(p, QRectF(0, 0, W, H * 0.62), stone, rng);
    const QColor dusk = r.color("window", QColor(240, 150, 120));
    for (double x : {W * 0.2, W * 0.5, W * 0.8}) {
        QPainterPath arch;
        arch.addRect(QRectF(x - 34, H * 0.14, 68, H * 0.3));
        arch.addEllipse(QPointF(x, H * 0.14), 34, 30);
        QLinearGradient g(QPointF(0, H * 0.05), QPointF(0, H * 0.44));
        g.setColorAt(0, QColor(70, 50, 120));
        g.setColorAt(1, dusk);
        p.setPen(QPen(shade(stone, 0.5), 8));
        p.setBrush(g);
        p.drawPath(arch.simplified());
        glowDisc(p, {x, H * 0.6}, 90, dusk, 60);
    }
    for (double x : {W * 0.05, W * 0.35, W * 0.65, W * 0.95}) {
        QLinearGradient g(QPointF(x - 22, 0), QPointF(x + 22, 0));
        g.setColorAt(0, shade(stone, 1.3));
        g.setColorAt(1, shade(stone, 0.6));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(QRectF(x - 22, 0, 44, H * 0.64));
    }
    perspectiveFloor(p, QRectF(0, H * 0.62, W, H * 0.38), r.color("floor", QColor(120, 110, 110)),
                     shade(r.color("floor", QColor(120, 110, 110)), 0.8), 6);
    // A long carpet down the middle.
    QPolygonF carpet;
    carpet << QPointF(W * 0.46, H * 0.62) << QPointF(W * 0.54, H * 0.62) << QPointF(W * 0.62, H)
           << QPointF(W * 0.38, H);
    p.setPen(Qt::NoPen);
    p.setBrush(r.color("carpet", QColor(120, 30, 60)));
    p.drawPolygon(carpet);
}

void ruins(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    forest(p, s, r, rng, false);
    const double W = s.width(), H = s.height();
    const QColor stone = r.color("stone", QColor(190, 190, 180));
    for (double x : {W * 0.28, W * 0.72}) {
        QLinearGradient g(QPointF(x - 20, 0), QPointF(x + 20, 0));
        g.setColorAt(0, shade(stone, 1.2));
        g.setColorAt(1, shade(stone, 0.6));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(QRectF(x - 20, H * 0.22, 40, H * 0.45));
        p.setBrush(QColor(70, 120, 60));
        p.drawEllipse(QPointF(x - 6, H * 0.3), 16, 10);
        p.drawEllipse(QPointF(x + 10, H * 0.5), 10, 14);
    }
    p.setBrush(shade(stone, 0.9));
    p.drawRect(QRectF(W * 0.26, H * 0.18, W * 0.48, 24));
}

void room(QPainter& p, QSize s, QColor wall, QColor floor, Rng& rng, bool planks) {
    const double W = s.width(), H = s.height();
    if (planks)
        planksWall(p, QRectF(0, 0, W, H * 0.66), wall, rng);
    else
        brickWall(p, QRectF(0, 0, W, H * 0.66), wall, rng, 40, 18);
    p.fillRect(QRectF(0, H * 0.62, W, 8), shade(wall, 0.5));
    perspectiveFloor(p, QRectF(0, H * 0.66, W, H * 0.34), floor, shade(floor, 0.85), 5);
}

void counter(QPainter& p, QRectF r, QColor wood) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, shade(wood, 1.3));
    g.setColorAt(1, shade(wood, 0.7));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(r);
    p.setBrush(shade(wood, 1.5));
    p.drawRect(QRectF(r.left() - 6, r.top() - 8, r.width() + 12, 10));
}

void shelf(QPainter& p, QRectF r, QColor wood, Rng& rng, const QList<QColor>& goods) {
    p.setPen(Qt::NoPen);
    p.setBrush(shade(wood, 0.6));
    p.drawRect(r);
    for (double y = r.top() + r.height() / 3; y < r.bottom(); y += r.height() / 3) {
        p.setBrush(shade(wood, 1.1));
        p.drawRect(QRectF(r.left(), y - 4, r.width(), 5));
        for (double x = r.left() + 8; x < r.right() - 10; x += rng.range(12, 20)) {
            const QColor c = goods[rng.below(goods.size())];
            p.setBrush(c);
            const double h = rng.range(10, 22);
            p.drawRoundedRect(QRectF(x, y - 4 - h, 10, h), 3, 3);
            p.setBrush(shade(c, 1.5));
            p.drawRect(QRectF(x + 2, y - 4 - h + 3, 2, h - 6));
        }
    }
}

void interior(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    const double W = s.width(), H = s.height();
    const QString what = r.str("what", "inn");
    const QColor wood = r.color("wood", QColor(150, 100, 60));
    const QColor wall = r.color("wall", QColor(190, 150, 110));
    room(p, s, wall, r.color("floor", QColor(160, 120, 80)), rng, what != "church");
    if (what == "inn") {
        window(p, QRectF(W * 0.08, H * 0.12, 70, 60), QColor(140, 190, 240), shade(wood, 0.7));
        // A framed picture of the hills and a rug on the floor.
        p.setPen(QPen(shade(wood, 0.5), 4));
        p.setBrush(QColor(150, 200, 230));
        p.drawRect(QRectF(W * 0.3, H * 0.14, 70, 46));
        p.setPen(Qt::NoPen);
        p.save();
        p.setClipRect(QRectF(W * 0.3, H * 0.14, 70, 46));
        p.setBrush(QColor(90, 160, 90));
        p.drawEllipse(QRectF(W * 0.3 + 4, H * 0.14 + 24, 50, 30));
        p.setBrush(QColor(70, 140, 80));
        p.drawEllipse(QRectF(W * 0.3 + 26, H * 0.14 + 28, 44, 26));
        p.restore();
        QPolygonF rugShape;
        rugShape << QPointF(W * 0.2, H * 0.78) << QPointF(W * 0.8, H * 0.78)
                 << QPointF(W * 0.9, H * 0.98) << QPointF(W * 0.1, H * 0.98);
        p.setBrush(r.color("cover", QColor(190, 60, 70)));
        p.drawPolygon(rugShape);
        p.setPen(QPen(QColor(240, 210, 120), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF() << QPointF(W * 0.23, H * 0.8) << QPointF(W * 0.77, H * 0.8)
                                  << QPointF(W * 0.85, H * 0.96) << QPointF(W * 0.15, H * 0.96));
        p.setPen(Qt::NoPen);
        for (double x : {W * 0.5, W * 0.76}) {
            // A bed seen from its foot: a tall headboard, pillow, blanket with a folded edge.
            p.setBrush(shade(wood, 0.65));
            p.drawRoundedRect(QRectF(x - 52, H * 0.3, 104, 60), 10, 10);
            p.setBrush(shade(wood, 0.9));
            p.drawRect(QRectF(x - 48, H * 0.44, 96, 64));
            p.setBrush(QColor(250, 250, 244));
            p.drawRoundedRect(QRectF(x - 30, H * 0.43, 60, 18), 8, 8);
            p.setBrush(r.color("cover", QColor(190, 60, 70)));
            p.drawRect(QRectF(x - 46, H * 0.52, 92, 50));
            p.setBrush(QColor(250, 250, 244));
            p.drawRect(QRectF(x - 46, H * 0.52, 92, 8));
            p.setBrush(shade(wood, 0.55));
            p.drawRect(QRectF(x - 50, H * 0.66, 8, 16));
            p.drawRect(QRectF(x + 42, H * 0.66, 8, 16));
        }
        // A bedside table with a candle.
        p.setBrush(shade(wood, 0.75));
        p.drawRect(QRectF(W * 0.615, H * 0.5, 34, 40));
        p.setBrush(QColor(250, 246, 220));
        p.drawRect(QRectF(W * 0.615 + 14, H * 0.44, 6, 12));
        glowDisc(p, {W * 0.615 + 17, H * 0.43}, 30, QColor(255, 210, 120), 150);
        glowDisc(p, {W * 0.2, H * 0.2}, 70, QColor(255, 230, 170), 70);
    } else if (what == "item") {
        shelf(p, QRectF(W * 0.06, H * 0.08, W * 0.88, H * 0.48), wood, rng,
              {QColor(80, 160, 230), QColor(220, 80, 90), QColor(120, 200, 110),
               QColor(240, 200, 90)});
        counter(p, QRectF(W * 0.1, H * 0.62, W * 0.8, H * 0.2), wood);
    } else if (what == "weapon") {
        p.setPen(QPen(QColor(220, 224, 236), 6, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 5; ++k) {
            const double x = W * (0.15 + k * 0.17);
            p.drawLine(QPointF(x, H * 0.12), QPointF(x, H * 0.46));
            p.save();
            p.setPen(QPen(QColor(200, 160, 70), 5));
            p.drawLine(QPointF(x - 12, H * 0.42), QPointF(x + 12, H * 0.42));
            p.restore();
        }
        p.setPen(Qt::NoPen);
        for (double x : {W * 0.24, W * 0.58}) {
            p.setBrush(QColor(160, 60, 50));
            p.drawEllipse(QPointF(x + 25, H * 0.3), 26, 30);
            p.setBrush(QColor(230, 200, 90));
            p.drawEllipse(QPointF(x + 25, H * 0.3), 8, 8);
        }
        counter(p, QRectF(W * 0.1, H * 0.62, W * 0.8, H * 0.2), shade(wood, 0.8));
    } else if (what == "tavern") {
        for (int k = 0; k < 3; ++k) {
            const double x = W * (0.12 + k * 0.3);
            p.setPen(Qt::NoPen);
            p.setBrush(shade(wood, 0.7));
            p.drawEllipse(QPointF(x + 40, H * 0.3), 36, 36);
            p.setBrush(shade(wood, 1.1));
            p.drawEllipse(QPointF(x + 40, H * 0.3), 30, 30);
        }
        for (double x : {W * 0.25, W * 0.75})
            glowDisc(p, {x, H * 0.12}, 50, QColor(255, 200, 110), 140);
        counter(p, QRectF(W * 0.04, H * 0.6, W * 0.92, H * 0.18), wood);
        for (int k = 0; k < 6; ++k) {
            const double x = W * (0.1 + k * 0.15);
            p.setBrush(QColor(220, 170, 60));
            p.drawRect(QRectF(x, H * 0.52, 14, 18));
            p.setBrush(QColor(250, 250, 240));
            p.drawEllipse(QRectF(x - 1, H * 0.51, 16, 6));
        }
    } else if (what == "church") {
        p.fillRect(QRectF(0, 0, W, H * 0.66), shade(wall, 1.1));
        QPainterPath arch;
        arch.addRect(QRectF(W * 0.4, H * 0.14, W * 0.2, H * 0.34));
        arch.addEllipse(QPointF(W * 0.5, H * 0.14), W * 0.1, H * 0.1);
        QLinearGradient g(QPointF(W * 0.4, 0), QPointF(W * 0.6, 0));
        g.setColorAt(0, QColor(120, 90, 220));
        g.setColorAt(0.5, QColor(250, 220, 120));
        g.setColorAt(1, QColor(80, 160, 230));
        p.setPen(QPen(QColor(90, 80, 70), 6));
        p.setBrush(g);
        p.drawPath(arch.simplified());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 220));
        p.drawPath(starShape({W * 0.5, H * 0.26}, 5, 22, 9));
        rays(p, {W * 0.5, H * 0.2}, 0.2, H * 0.7, QColor(255, 240, 200));
        altarShape(p, {W * 0.5, H * 0.74}, 110, QColor(230, 226, 220),
                   r.color("cloth", QColor(60, 80, 170)));
        for (double x : {W * 0.18, W * 0.82}) {
            p.setBrush(QColor(250, 240, 220));
            p.drawRect(QRectF(x - 4, H * 0.48, 8, 26));
            glowDisc(p, {x, H * 0.46}, 18, QColor(255, 200, 100), 200);
        }
    }
}

// --- story scenes ---------------------------------------------------------------------------

void sceneForestGate(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    forest(p, s, r, rng, false);
    const double W = s.width(), H = s.height();
    // The warden owl perched on a low branch.
    p.setPen(QPen(QColor(100, 74, 50), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(W * 0.92, H * 0.4), QPointF(W * 0.66, H * 0.44));
    drawObjectAt(p, Recipe(QStringLiteral("owl")), QRectF(W * 0.66, H * 0.2, 120, 120), 32);
}

void sceneCampfire(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    forest(p, s, r, rng, true);
    const double W = s.width(), H = s.height();
    glowDisc(p, {W * 0.5, H * 0.78}, 260, QColor(255, 160, 70), 120);
    drawObjectAt(p, Recipe(QStringLiteral("campfire")), QRectF(W * 0.5 - 56, H * 0.62, 112, 112),
                 32);
    drawPerson(
        p, Recipe(r.str("left", "person hair=#e8d080 style=long tunic=#f0f0f8 cape legs=#806070")),
        1, 0, 2.6, QPointF(W * 0.3, H * 0.95));
    drawPerson(p, Recipe(r.str("right", "person hair=#403040 style=helm tunic=#5060a0 cape")), 3, 0,
               2.6, QPointF(W * 0.7, H * 0.95));
}

void sceneShrineAltar(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    ruins(p, s, r, rng);
    const double W = s.width(), H = s.height();
    altarShape(p, {W * 0.5, H * 0.82}, 160, QColor(210, 210, 200),
               r.color("cloth", QColor(60, 120, 90)));
    glowDisc(p, {W * 0.5, H * 0.52}, 90, r.color("glow", QColor(150, 255, 200)), 200);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 240));
    p.drawPath(starShape({W * 0.5, H * 0.5}, 5, 16, 7));
}

void sceneCrystalSeal(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    cave(p, s, r, rng);
    const double W = s.width(), H = s.height();
    magicCircle(p, {W * 0.5, H * 0.55}, 150, 150, r.color("seal", QColor(190, 130, 255)));
}

void sceneCaveAltar(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    cave(p, s, r, rng);
    const double W = s.width(), H = s.height();
    altarShape(p, {W * 0.5, H * 0.84}, 180, QColor(200, 210, 230), QColor(160, 40, 60));
    p.setPen(QPen(QColor(230, 236, 250), 8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(W * 0.5, H * 0.62), QPointF(W * 0.5, H * 0.2));
    p.setPen(QPen(QColor(230, 190, 80), 7));
    p.drawLine(QPointF(W * 0.46, H * 0.56), QPointF(W * 0.54, H * 0.56));
    glowDisc(p, {W * 0.5, H * 0.35}, 120, QColor(200, 230, 255), 150);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 240));
    p.drawPath(starShape({W * 0.5, H * 0.2}, 5, 12, 5));
}

void sceneTowerTop(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    const double W = s.width(), H = s.height();
    sky(p, QRectF(0, 0, W, H), QColor(40, 30, 90), QColor(240, 140, 110));
    stars(p, QRectF(0, 0, W, H * 0.3), 60, rng);
    ridge(p, W, H * 0.7, 50, H, QColor(70, 50, 90), rng);
    p.fillRect(QRectF(0, H * 0.72, W, H * 0.28), QColor(90, 80, 100));
    for (double x = 0; x < W; x += 64) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 110, 130));
        p.drawRect(QRectF(x, H * 0.66, 40, H * 0.08));
    }
    altarShape(p, {W * 0.5, H * 0.9}, 150, QColor(190, 180, 200), QColor(80, 40, 120));
    p.setPen(QPen(QColor(150, 110, 60), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(W * 0.46, H * 0.44, 60, 120), 90 * 16, 180 * 16);
    glowDisc(p, {W * 0.5, H * 0.55}, 100, r.color("glow", QColor(180, 240, 200)), 140);
}

void sceneStarStone(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    forest(p, s, r, rng, true);
    const double W = s.width(), H = s.height();
    drawObjectAt(p, Recipe(QStringLiteral("starstone")), QRectF(W * 0.5 - 150, H * 0.3, 300, 300),
                 64);
    glowDisc(p, {W * 0.5, H * 0.52}, 160, QColor(250, 240, 170), 120);
    shootingStar(p, {W * 0.56, H * 0.3}, QPointF(0.7, 0.7), 180, QColor(255, 250, 200));
}

void sceneStarTemple(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    const double W = s.width(), H = s.height();
    sky(p, QRectF(0, 0, W, H), QColor(20, 26, 70), QColor(60, 80, 150));
    stars(p, QRectF(0, 0, W, H * 0.6), 160, rng);
    perspectiveFloor(p, QRectF(0, H * 0.62, W, H * 0.38), QColor(210, 210, 230),
                     QColor(150, 160, 200), 6);
    for (double x : {W * 0.12, W * 0.3, W * 0.7, W * 0.88}) {
        QLinearGradient g(QPointF(x - 24, 0), QPointF(x + 24, 0));
        g.setColorAt(0, QColor(250, 250, 255));
        g.setColorAt(1, QColor(150, 150, 180));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(QRectF(x - 24, H * 0.1, 48, H * 0.56));
    }
    p.setBrush(QColor(240, 240, 250));
    p.drawRect(QRectF(0, H * 0.06, W, 30));
    glowDisc(p, {W * 0.5, H * 0.4}, 170, r.color("glow", QColor(160, 200, 255)), 150);
    p.setBrush(QColor(255, 250, 210));
    p.drawPath(starShape({W * 0.5, H * 0.4}, 5, 50, 20));
}

void opening(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    const double W = s.width(), H = s.height();
    sky(p, QRectF(0, 0, W, H), QColor(8, 12, 36), QColor(44, 52, 100));
    stars(p, QRectF(0, 0, W, H * 0.75), 300, rng);
    glowDisc(p, {W * 0.78, H * 0.18}, 60, QColor(255, 250, 220), 180);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 248, 230));
    p.drawEllipse(QPointF(W * 0.78, H * 0.18), 22, 22);
    shootingStar(p, {W * 0.32, H * 0.28}, QPointF(-0.8, 0.5), 140, QColor(255, 240, 200));
    shootingStar(p, {W * 0.5, H * 0.12}, QPointF(-0.8, 0.5), 90, QColor(200, 220, 255));
    ridge(p, W, H * 0.68, 40, H, QColor(24, 30, 56), rng);
    ridge(p, W, H * 0.8, 24, H, QColor(16, 22, 40), rng);
    // A little village with lit windows on the hill.
    for (int k = 0; k < 7; ++k) {
        const double x = W * 0.15 + k * 36, y = H * 0.8 - (k % 3) * 4;
        p.setBrush(QColor(30, 30, 50));
        p.drawRect(QRectF(x, y - 18, 26, 18));
        QPainterPath roof;
        roof.moveTo(x - 4, y - 18), roof.lineTo(x + 13, y - 32), roof.lineTo(x + 30, y - 18);
        p.drawPath(roof);
        p.setBrush(QColor(255, 200, 110));
        p.drawRect(QRectF(x + 9, y - 12, 7, 7));
    }
    drawPerson(p, Recipe(r.str("hero", "person hair=#704028 style=spiky tunic=#3060b0 cape")), 0, 0,
               1.2, QPointF(W * 0.64, H * 0.86));
}

void titleArt(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    const double W = s.width(), H = s.height();
    sky(p, QRectF(0, 0, W, H), QColor(6, 10, 34), QColor(70, 60, 130));
    stars(p, QRectF(0, 0, W, H * 0.8), 260, rng);
    glowDisc(p, {W * 0.5, H * 0.3}, 200, QColor(120, 140, 255), 70);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220));
    p.drawPath(starShape({W * 0.5, H * 0.28}, 5, 26, 10));
    glowDisc(p, {W * 0.5, H * 0.28}, 60, QColor(255, 250, 200), 200);
    shootingStar(p, {W * 0.2, H * 0.15}, QPointF(-0.7, 0.7), 80, QColor(220, 230, 255));
    ridge(p, W, H * 0.74, 30, H, QColor(20, 24, 50), rng);
    QPainterPath hill;
    hill.moveTo(0, H), hill.cubicTo(W * 0.2, H * 0.78, W * 0.7, H * 0.76, W, H * 0.86),
        hill.lineTo(W, H);
    p.setBrush(QColor(12, 16, 30));
    p.drawPath(hill);
    drawPerson(p, Recipe(r.str("hero", "person hair=#704028 style=spiky tunic=#3060b0 cape")), 0, 0,
               1.5, QPointF(W * 0.44, H * 0.86));
    drawPerson(p,
               Recipe(r.str("friend", "person hair=#c04830 style=long tunic=#8040a0 item=staff")),
               0, 1, 1.4, QPointF(W * 0.56, H * 0.87));
}

void titleSide(QPainter& p, QSize s, const Recipe& r, Rng& rng) {
    const double W = s.width(), H = s.height();
    sky(p, QRectF(0, 0, W, H), QColor(30, 30, 70), QColor(10, 12, 30));
    stars(p, QRectF(0, 0, W, H), 60, rng);
    p.setPen(QPen(QColor(200, 170, 90), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6, 6, W - 12, H - 12));
    p.setPen(QPen(QColor(200, 170, 90), 1));
    p.drawRect(QRectF(12, 12, W - 24, H - 24));
    glowDisc(p, {W / 2, H * 0.42}, 90, r.color("glow", QColor(140, 170, 255)), 120);
    p.setPen(QPen(QColor(230, 200, 110), 2));
    p.drawEllipse(QPointF(W / 2, H * 0.42), 62, 62);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 246, 210));
    p.drawPath(starShape({W / 2, H * 0.42}, 5, 50, 20));
    p.setBrush(QColor(230, 190, 90));
    p.drawPath(starShape({W / 2, H * 0.42}, 5, 22, 9));
    for (int k = 0; k < 3; ++k) p.drawPath(starShape({W * (0.3 + k * 0.2), H * 0.8}, 5, 8, 3));
}

void gameOver(QPainter& p, QSize s, const Recipe&, Rng& rng) {
    const double W = s.width(), H = s.height();
    sky(p, QRectF(0, 0, W, H), QColor(20, 6, 12), QColor(70, 20, 30));
    stars(p, QRectF(0, 0, W, H * 0.6), 40, rng, QColor(255, 200, 200));
    ridge(p, W, H * 0.7, 20, H, QColor(30, 14, 20), rng);
    // A sword stuck in the ground, its star dimmed.
    p.setPen(QPen(QColor(170, 170, 180), 8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(W * 0.5, H * 0.86), QPointF(W * 0.5, H * 0.42));
    p.setPen(QPen(QColor(140, 110, 60), 8));
    p.drawLine(QPointF(W * 0.42, H * 0.46), QPointF(W * 0.58, H * 0.46));
    p.drawLine(QPointF(W * 0.5, H * 0.46), QPointF(W * 0.5, H * 0.36));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 100, 110));
    p.drawPath(starShape({W * 0.5, H * 0.22}, 5, 20, 8));
}

void textPicture(QPainter& p, QSize s, const Recipe& r) {
    const double W = s.width(), H = s.height();
    sky(p, QRectF(0, 0, W, H), r.color("top", QColor(30, 10, 20)),
        r.color("bottom", QColor(60, 20, 30)));
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(int(H * 0.62));
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, H * 0.12);
    QPainterPath t;
    t.addText(0, 0, f, r.str("text", "GAME OVER").replace(u'_', u' '));
    const QRectF b = t.boundingRect();
    t.translate(W / 2 - b.center().x(), H / 2 - b.center().y());
    p.setPen(QPen(QColor(20, 0, 6), 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(t);
    QLinearGradient g(QPointF(0, 0), QPointF(0, H));
    g.setColorAt(0, r.color("ink1", QColor(255, 230, 220)));
    g.setColorAt(1, r.color("ink2", QColor(220, 60, 70)));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(t);
}

}  // namespace

QImage sceneryPicture(const Recipe& r, QSize size) {
    QImage img = filledRgb(size.width(), size.height(), Qt::black);
    QPainter p;
    beginPainter(p, img, true);
    Rng rng(r.text());
    const QString k = r.kind();
    if (k == "plain")
        plainField(p, size, r, rng);
    else if (k == "forest")
        forest(p, size, r, rng, r.flag("night"));
    else if (k == "cave")
        cave(p, size, r, rng);
    else if (k == "tower")
        towerHall(p, size, r, rng);
    else if (k == "ruins")
        ruins(p, size, r, rng);
    else if (k == "interior")
        interior(p, size, r, rng);
    else if (k == "forest-gate")
        sceneForestGate(p, size, r, rng);
    else if (k == "campfire")
        sceneCampfire(p, size, r, rng);
    else if (k == "shrine-altar")
        sceneShrineAltar(p, size, r, rng);
    else if (k == "crystal-seal")
        sceneCrystalSeal(p, size, r, rng);
    else if (k == "cave-altar")
        sceneCaveAltar(p, size, r, rng);
    else if (k == "tower-top")
        sceneTowerTop(p, size, r, rng);
    else if (k == "star-stone")
        sceneStarStone(p, size, r, rng);
    else if (k == "star-temple")
        sceneStarTemple(p, size, r, rng);
    else if (k == "opening")
        opening(p, size, r, rng);
    else if (k == "title-art")
        titleArt(p, size, r, rng);
    else if (k == "title-side")
        titleSide(p, size, r, rng);
    else if (k == "gameover")
        gameOver(p, size, r, rng);
    else if (k == "text")
        textPicture(p, size, r);
    else {
        p.end();
        throw ContentError("pictures.txt", 0, QStringLiteral("no picture painter \"%1\"").arg(k));
    }
    p.end();
    return img;
}

QImage titleLogo(const QString& title, QSize size) {
    const double W = size.width(), H = size.height();
    QImage img = filledRgb(size.width(), size.height(), QColor(10, 12, 34));
    QPainter p;
    beginPainter(p, img, true);
    sky(p, QRectF(0, 0, W, H), QColor(10, 12, 34), QColor(36, 34, 80));
    Rng rng(title);
    stars(p, QRectF(0, 0, W, H), 40, rng);
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(int(H * 0.7));
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, H * 0.1);
    QPainterPath t;
    t.addText(0, 0, f, title);
    const QRectF b = t.boundingRect();
    t.translate(W / 2 - b.center().x(), H / 2 - b.center().y());
    glowDisc(p, {W / 2, H / 2}, W * 0.4, QColor(120, 150, 255), 60);
    p.setPen(QPen(QColor(30, 20, 60), 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(t);
    QLinearGradient g(QPointF(0, H * 0.15), QPointF(0, H * 0.85));
    g.setColorAt(0, QColor(255, 250, 220));
    g.setColorAt(0.5, QColor(250, 210, 110));
    g.setColorAt(1, QColor(210, 140, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(t);
    p.setBrush(QColor(255, 255, 240));
    p.drawPath(starShape({t.boundingRect().left() - 14, H * 0.3}, 5, 8, 3));
    p.drawPath(starShape({t.boundingRect().right() + 14, H * 0.7}, 5, 6, 2.5));
    p.end();
    return img;
}
