// Ground surfaces: grass, earth, sand, floors, water, walls and roofs (opaque 32 x 32 cells).

#include <cmath>

#include "art/TilePainters.h"
#include "world/Source.h"

void speckle(QImage& img, const QRect& r, QColor c, int count, Rng& rng, int size) {
    for (int i = 0; i < count; ++i) {
        const int x = r.left() + rng.below(r.width() - size + 1);
        const int y = r.top() + rng.below(r.height() - size + 1);
        for (int dy = 0; dy < size; ++dy)
            for (int dx = 0; dx < size; ++dx) plot(img, x + dx, y + dy, c);
    }
}

void hline(QImage& img, int x0, int x1, int y, QColor c) {
    for (int x = x0; x <= x1; ++x) plot(img, x, y, c);
}
void vline(QImage& img, int x, int y0, int y1, QColor c) {
    for (int y = y0; y <= y1; ++y) plot(img, x, y, c);
}

void paintGrass(QImage& img, const Recipe& r, Rng& rng) {
    const QColor base = r.color("base", QColor(88, 152, 64));
    noiseFill(img, img.rect(), base, 0.06, rng, 2);
    speckle(img, img.rect(), shade(base, 0.78), 18, rng);
    speckle(img, img.rect(), shade(base, 1.18), 14, rng);
    // Short blades: a dark foot and a light tip.
    for (int i = 0; i < 7; ++i) {
        const int x = 2 + rng.below(28), y = 3 + rng.below(26);
        plot(img, x, y, shade(base, 0.7));
        plot(img, x, y - 1, shade(base, 0.85));
        plot(img, x + 1, y - 2, shade(base, 1.25));
    }
    // Clumps of darker grass give the plain a texture that reads at a distance.
    for (int i = 0; i < 3; ++i) {
        const int x = 3 + rng.below(24), y = 4 + rng.below(24);
        plot(img, x, y, shade(base, 0.72)), plot(img, x + 2, y, shade(base, 0.72));
        plot(img, x + 1, y - 1, shade(base, 0.8)), plot(img, x + 1, y - 2, shade(base, 1.2));
        plot(img, x + 3, y - 1, shade(base, 1.15));
    }
    if (r.flag("flowers")) {
        const QColor petals[] = {QColor(250, 246, 220), QColor(250, 210, 90), QColor(240, 150, 190),
                                 QColor(170, 190, 250)};
        for (int i = 0; i < 5; ++i) {
            const int x = 3 + rng.below(25), y = 3 + rng.below(25);
            const QColor c = petals[rng.below(4)];
            plot(img, x, y - 1, c), plot(img, x - 1, y, c), plot(img, x + 1, y, c);
            plot(img, x, y + 1, c), plot(img, x, y, QColor(250, 220, 80));
        }
    }
}

void paintEarth(QImage& img, const Recipe& r, Rng& rng) {
    const QColor base = r.color("base", QColor(150, 116, 78));
    noiseFill(img, img.rect(), base, 0.07, rng, 2);
    speckle(img, img.rect(), shade(base, 0.8), 16, rng);
    speckle(img, img.rect(), shade(base, 1.15), 10, rng);
    // Pebbles with a light top and a dark underside.
    for (int i = 0; i < r.integer("pebbles", 4); ++i) {
        const int x = 2 + rng.below(27), y = 2 + rng.below(27);
        plot(img, x, y, shade(base, 1.35));
        plot(img, x + 1, y, shade(base, 1.2));
        plot(img, x, y + 1, shade(base, 0.65));
        plot(img, x + 1, y + 1, shade(base, 0.7));
    }
}

void paintSand(QImage& img, const Recipe& r, Rng& rng) {
    const QColor base = r.color("base", QColor(222, 204, 150));
    noiseFill(img, img.rect(), base, 0.04, rng, 1);
    speckle(img, img.rect(), shade(base, 0.85), 12, rng);
}

// Square paving stones with mortar joints, staggered by row.
void paintFlagstone(QImage& img, const Recipe& r, Rng& rng) {
    const QColor base = r.color("base", QColor(128, 128, 136));
    const QColor joint = r.color("joint", shade(base, 0.6));
    img.fill(joint);
    const int s = r.integer("stone", 16);
    for (int row = 0; row * s < 32; ++row) {
        const int off = (row % 2) ? s / 2 : 0;
        for (int col = -1; col * s < 32; ++col) {
            const QRect stone(col * s + off + 1, row * s + 1, s - 1, s - 1);
            const QColor c = shade(base, rng.range(0.9, 1.08));
            noiseFill(img, stone.intersected(img.rect()), c, 0.05, rng, 1);
            // Bevel: light top-left edge, dark bottom-right edge.
            hline(img, stone.left(), stone.right() - 1, stone.top(), shade(c, 1.18));
            vline(img, stone.left(), stone.top(), stone.bottom() - 1, shade(c, 1.12));
            hline(img, stone.left() + 1, stone.right(), stone.bottom(), shade(c, 0.8));
        }
    }
}

// Rough cave ground: dark earth with scattered grit and cracks.
void paintCaveFloor(QImage& img, const Recipe& r, Rng& rng) {
    const QColor base = r.color("base", QColor(92, 84, 96));
    noiseFill(img, img.rect(), base, 0.08, rng, 2);
    // Darker hollows and flat stones with a lit edge break up the ground.
    for (int i = 0; i < 2; ++i) {
        const int cx = 4 + rng.below(24), cy = 4 + rng.below(24), rx = 3 + rng.below(4),
                  ry = 2 + rng.below(3);
        for (int y = -ry; y <= ry; ++y)
            for (int x = -rx; x <= rx; ++x)
                if (x * x * ry * ry + y * y * rx * rx <= rx * rx * ry * ry)
                    plot(img, (cx + x + 32) % 32, (cy + y + 32) % 32, shade(base, i ? 0.86 : 1.1));
    }
    for (int i = 0; i < 3; ++i) {
        const int x = 2 + rng.below(27), y = 2 + rng.below(27);
        plot(img, x, y, shade(base, 1.4));
        plot(img, x + 1, y, shade(base, 1.25));
        plot(img, x, y + 1, shade(base, 0.6));
        plot(img, x + 1, y + 1, shade(base, 0.65));
    }
    speckle(img, img.rect(), shade(base, 1.25), 8, rng);
    speckle(img, img.rect(), shade(base, 0.7), 12, rng);
    if (rng.chance(0.5)) {
        int x = rng.below(24) + 4, y = rng.below(24) + 4;
        for (int i = 0; i < 6; ++i) {
            plot(img, x, y, shade(base, 0.6));
            x += rng.below(3) - 1;
            y += 1;
        }
    }
    if (r.has("glint")) speckle(img, img.rect(), r.color("glint", QColor(160, 220, 255)), 2, rng);
}

void paintPlanks(QImage& img, const Recipe& r, Rng& rng) {
    const QColor base = r.color("base", QColor(150, 104, 62));
    for (int row = 0; row < 4; ++row) {
        const QColor c = shade(base, rng.range(0.92, 1.06));
        noiseFill(img, QRect(0, row * 8, 32, 8), c, 0.04, rng, 1);
        hline(img, 0, 31, row * 8, shade(base, 0.62));
        hline(img, 0, 31, row * 8 + 1, shade(c, 1.12));
        const int seam = (row * 11 + 5) % 32;
        vline(img, seam, row * 8 + 1, row * 8 + 7, shade(base, 0.65));
        for (int k = 0; k < 3; ++k)
            plot(img, rng.below(32), row * 8 + 3 + rng.below(4), shade(c, 0.82));
    }
}

// Town paving: rounded cobbles.
void paintCobble(QImage& img, const Recipe& r, Rng& rng) {
    const QColor base = r.color("base", QColor(176, 164, 140));
    img.fill(shade(base, 0.62));
    for (int row = 0; row < 4; ++row) {
        const int off = (row % 2) ? 4 : 0;
        for (int col = -1; col < 4; ++col) {
            const QRect s(col * 8 + off + 1, row * 8 + 1, 6, 6);
            const QColor c = shade(base, rng.range(0.88, 1.08));
            for (int y = s.top(); y <= s.bottom(); ++y)
                for (int x = s.left(); x <= s.right(); ++x) {
                    const bool corner =
                        (x == s.left() || x == s.right()) && (y == s.top() || y == s.bottom());
                    if (!corner) plot(img, x, y, c);
                }
            hline(img, s.left() + 1, s.right() - 1, s.top(), shade(c, 1.18));
            hline(img, s.left() + 1, s.right() - 1, s.bottom(), shade(c, 0.82));
        }
    }
}

void paintVoid(QImage& img, const Recipe& r, Rng& rng) {
    const QColor base = r.color("base", QColor(16, 14, 24));
    noiseFill(img, img.rect(), base, 0.15, rng, 2);
}

// Water: waves on a deep colour; where a neighbour is land, a strip of shore with foam.
void paintWater(QImage& img, const Recipe& r, int variant, Rng& rng) {
    const QColor deep = r.color("base", QColor(46, 92, 170));
    const QColor shore = r.color("shore", QColor(214, 196, 140));
    noiseFill(img, img.rect(), deep, 0.04, rng, 2);
    for (int i = 0; i < 4; ++i) {
        const int x = rng.below(24) + 2, y = rng.below(28) + 2;
        hline(img, x, x + 3 + rng.below(3), y, shade(deep, 1.3));
        hline(img, x + 1, x + 3, y + 1, shade(deep, 0.85));
    }
    const int w = r.integer("edge", 5);
    const QColor foam = QColor(236, 244, 250);
    auto band = [&](bool on, auto cellOf) {
        if (!on) return;
        for (int d = 0; d < 32; ++d) {
            for (int k = 0; k < w; ++k) {
                const auto [x, y] = cellOf(d, k);
                plot(img, x, y, shade(shore, 1.0 + 0.04 * ((d * 7 + k * 3) % 3 - 1)));
            }
            const int wobble = (d / 4) % 2;
            const auto [fx, fy] = cellOf(d, w + wobble);
            plot(img, fx, fy, foam);
        }
    };
    band(variant & 1, [](int d, int k) { return std::pair{d, k}; });
    band(variant & 4, [](int d, int k) { return std::pair{d, 31 - k}; });
    band(variant & 8, [](int d, int k) { return std::pair{k, d}; });
    band(variant & 2, [](int d, int k) { return std::pair{31 - k, d}; });
}

// A solid wall seen from above: its top is the dark mass; where the cell below is open floor
// the wall shows its face (bricks or rough stone) down to the floor.
void paintWall(QImage& img, const Recipe& r, int variant, Rng& rng) {
    const QColor top = r.color("top", QColor(58, 52, 66));
    const QColor face = r.color("face", QColor(120, 108, 98));
    noiseFill(img, img.rect(), top, 0.06, rng, 2);
    if (r.flag("rough")) {
        // Lumps of rock on the top of the mass.
        for (int i = 0; i < 5; ++i) {
            const int cx = 3 + rng.below(26), cy = 3 + rng.below(26), rad = 2 + rng.below(3);
            for (int y = -rad; y <= rad; ++y)
                for (int x = -rad; x <= rad; ++x)
                    if (x * x + y * y <= rad * rad)
                        plot(img, cx + x, cy + y, shade(top, (x + y < 0) ? 1.35 : 0.8));
        }
    }
    const QColor rim = shade(top, 1.45);
    if (variant & 1) hline(img, 0, 31, 0, rim), hline(img, 0, 31, 1, shade(top, 1.2));
    if (variant & 8) vline(img, 0, 0, 31, rim);
    if (variant & 2) vline(img, 31, 0, 31, shade(top, 0.7));
    if (!(variant & 4)) return;
    // The face fills the lower part of the cell.
    const int faceTop = r.integer("cap", 10);
    hline(img, 0, 31, faceTop - 1, shade(top, 1.5));
    const QRect f(0, faceTop, 32, 32 - faceTop);
    if (r.flag("rough")) {
        // Rock strata: bands of lighter and darker stone with cracks between them.
        noiseFill(img, f, face, 0.08, rng, 2);
        for (int y = faceTop + 5; y < 31; y += 6) {
            for (int x = 0; x < 32; ++x) {
                const int yy = y + ((x / 5 + y) % 3 == 0 ? 1 : 0);
                plot(img, x, yy, shade(face, 0.62));
                plot(img, x, yy + 1, shade(face, 1.22));
            }
        }
        for (int i = 0; i < 3; ++i) {
            int x = rng.below(28) + 2;
            for (int y = faceTop + 1; y < 30; y += 2) {
                plot(img, x, y, shade(face, 0.55));
                x += rng.below(3) - 1;
            }
        }
    } else {
        for (int y = faceTop; y < 32; ++y) hline(img, 0, 31, y, shade(face, 0.55));
        int row = 0;
        for (int y = faceTop; y < 32; y += 6, ++row) {
            const int off = (row % 2) ? 5 : 0;
            for (int x = -10 + off; x < 32; x += 10) {
                const QColor c = shade(face, rng.range(0.9, 1.1));
                for (int yy = y; yy < std::min(32, y + 5); ++yy)
                    hline(img, std::max(0, x), std::min(31, x + 8), yy, c);
                hline(img, std::max(0, x), std::min(31, x + 8), y, shade(c, 1.2));
            }
        }
    }
    // A shadow line where the face meets the floor below.
    hline(img, 0, 31, 31, shade(face, 0.45));
}

// Roof tiles of town houses: rows of shingles with an eave where the roof ends.
void paintRoof(QImage& img, const Recipe& r, int variant, Rng& rng) {
    const QColor base = r.color("base", QColor(176, 70, 56));
    img.fill(shade(base, 0.7));
    for (int row = 0; row < 8; ++row) {
        const int off = (row % 2) ? 4 : 0;
        for (int x = -8 + off; x < 32; x += 8) {
            const QColor c = shade(base, rng.range(0.92, 1.06));
            for (int yy = row * 4; yy < row * 4 + 3; ++yy)
                hline(img, std::max(0, x), std::min(31, x + 6), yy,
                      yy == row * 4 ? shade(c, 1.2) : c);
        }
    }
    const QColor edge = shade(base, 0.45);
    if (variant & 1) hline(img, 0, 31, 0, shade(base, 1.4)), hline(img, 0, 31, 1, shade(base, 1.2));
    if (variant & 4) {
        for (int y = 28; y < 32; ++y) hline(img, 0, 31, y, y == 28 ? shade(base, 1.3) : edge);
    }
    if (variant & 8) vline(img, 0, 0, 31, edge), vline(img, 1, 0, 31, shade(base, 1.2));
    if (variant & 2) vline(img, 31, 0, 31, edge), vline(img, 30, 0, 31, shade(base, 0.8));
}

// The front wall of a house, plaster between timber, with an optional window.
void paintHouseWall(QImage& img, const Recipe& r, Rng& rng) {
    const QColor plaster = r.color("base", QColor(226, 214, 186));
    const QColor timber = r.color("timber", QColor(104, 72, 46));
    noiseFill(img, img.rect(), plaster, 0.03, rng, 1);
    hline(img, 0, 31, 0, timber), hline(img, 0, 31, 1, timber);
    hline(img, 0, 31, 30, timber), hline(img, 0, 31, 31, shade(timber, 0.7));
    vline(img, 0, 0, 31, timber), vline(img, 31, 0, 31, shade(timber, 0.8));
    if (r.flag("window")) {
        const QRect w(9, 8, 14, 13);
        for (int y = w.top(); y <= w.bottom(); ++y)
            hline(img, w.left(), w.right(), y, QColor(60, 84, 120));
        for (int y = w.top() + 1; y < w.top() + 5; ++y)
            plot(img, w.left() + 2 + (y - w.top()), y, QColor(170, 200, 230));
        hline(img, w.left() - 1, w.right() + 1, w.top() - 1, timber);
        hline(img, w.left() - 1, w.right() + 1, w.bottom() + 1, timber);
        vline(img, w.left() - 1, w.top(), w.bottom(), timber);
        vline(img, w.right() + 1, w.top(), w.bottom(), timber);
        vline(img, w.center().x(), w.top(), w.bottom(), timber);
        hline(img, w.left(), w.right(), w.center().y(), timber);
        // Flower box under the window.
        hline(img, w.left() - 1, w.right() + 1, w.bottom() + 2, shade(timber, 1.2));
        for (int x = w.left(); x <= w.right(); x += 3)
            plot(img, x, w.bottom() + 1, QColor(220, 90, 110));
    } else {
        vline(img, 15, 2, 29, shade(timber, 1.1));
    }
}

// A wooden bridge across water, planks running across the way.
void paintBridge(QImage& img, const Recipe& r, Rng& rng) {
    const QColor water = r.color("water", QColor(46, 92, 170));
    const QColor wood = r.color("base", QColor(160, 112, 66));
    const bool vertical = r.flag("vertical");
    noiseFill(img, img.rect(), water, 0.04, rng, 2);
    for (int k = 0; k < 32; ++k) {
        for (int t = 4; t < 28; ++t) {
            const int seam = (k % 6 == 0);
            const QColor c =
                seam ? shade(wood, 0.6) : shade(wood, 1.0 + 0.05 * ((k * 13 + t) % 3 - 1));
            if (vertical)
                plot(img, t, k, c);
            else
                plot(img, k, t, c);
        }
        const QColor rail = shade(wood, 0.55);
        if (vertical)
            plot(img, 3, k, rail), plot(img, 28, k, rail);
        else
            plot(img, k, 3, rail), plot(img, k, 28, rail);
    }
}

void paintGroundRecipe(QImage& img, const Recipe& r, Rng& rng) {
    const QString k = r.kind();
    if (k == "grass")
        paintGrass(img, r, rng);
    else if (k == "earth")
        paintEarth(img, r, rng);
    else if (k == "sand")
        paintSand(img, r, rng);
    else if (k == "flagstone")
        paintFlagstone(img, r, rng);
    else if (k == "cavefloor")
        paintCaveFloor(img, r, rng);
    else if (k == "planks")
        paintPlanks(img, r, rng);
    else if (k == "cobble")
        paintCobble(img, r, rng);
    else if (k == "void")
        paintVoid(img, r, rng);
    else if (k == "housewall")
        paintHouseWall(img, r, rng);
    else if (k == "bridge")
        paintBridge(img, r, rng);
    else if (k == "water")
        paintWater(img, r, 0, rng);
    else
        throw ContentError("tiles.txt", 0, QStringLiteral("no ground painter \"%1\"").arg(k));
}
