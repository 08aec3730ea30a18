// Features: chests, doors, stairs, switches, fountains, save points and altars. A feature cell
// is opaque and replaces the ground, so each one draws its floor first.

#include <QPainterPath>
#include <cmath>

#include "art/TilePainters.h"
#include "world/Source.h"

namespace {

void fillRect(QImage& img, const QRect& r, QColor c) {
    for (int y = r.top(); y <= r.bottom(); ++y) hline(img, r.left(), r.right(), y, c);
}

void frameRect(QImage& img, const QRect& r, QColor c) {
    hline(img, r.left(), r.right(), r.top(), c);
    hline(img, r.left(), r.right(), r.bottom(), c);
    vline(img, r.left(), r.top(), r.bottom(), c);
    vline(img, r.right(), r.top(), r.bottom(), c);
}

// A paved square under chests, so that a chest looks the same on any ground before and after
// it is opened.
void dais(QImage& img, const Recipe& r) {
    const QColor stone = r.color("dais", QColor(150, 144, 136));
    fillRect(img, QRect(2, 4, 28, 26), shade(stone, 0.6));
    fillRect(img, QRect(3, 5, 26, 24), stone);
    hline(img, 3, 28, 5, shade(stone, 1.25));
    vline(img, 3, 5, 28, shade(stone, 1.12));
    hline(img, 4, 28, 28, shade(stone, 0.78));
}

void chest(QImage& img, const Recipe& r, bool open) {
    const QColor wood = r.color("wood", QColor(170, 98, 44));
    const QColor band = r.color("band", QColor(230, 190, 70));
    const QColor ink = QColor(40, 24, 16);
    dais(img, r);
    const QRect body(7, 14, 18, 11);
    fillRect(img, body.adjusted(-1, -1, 1, 1), ink);
    fillRect(img, body, wood);
    hline(img, body.left(), body.right(), body.top(), shade(wood, 1.25));
    hline(img, body.left(), body.right(), body.bottom(), shade(wood, 0.7));
    if (!open) {
        const QRect lid(7, 8, 18, 6);
        fillRect(img, lid.adjusted(-1, -1, 1, 0), ink);
        fillRect(img, lid, shade(wood, 1.1));
        hline(img, lid.left(), lid.right(), lid.top(), shade(wood, 1.4));
        hline(img, body.left() - 1, body.right() + 1, 14, ink);
        vline(img, 11, 8, 24, band), vline(img, 20, 8, 24, band);
        fillRect(img, QRect(15, 13, 2, 4), band);
        plot(img, 15, 16, ink);
    } else {
        // The lid stands open behind the body; the inside is dark and empty.
        const QRect lid(7, 4, 18, 6);
        fillRect(img, lid.adjusted(-1, -1, 1, 1), ink);
        fillRect(img, lid, shade(wood, 0.85));
        fillRect(img, QRect(8, 11, 16, 4), QColor(36, 22, 16));
        hline(img, 7, 24, 10, ink);
        vline(img, 11, 4, 24, band), vline(img, 20, 4, 24, band);
    }
}

// An iron gate in a rock frame; two cells side by side make a wide gate.
void gate(QImage& img, const Recipe& r, bool open) {
    const QColor rock = r.color("rock", QColor(96, 86, 82));
    const QColor iron = r.color("iron", QColor(70, 74, 84));
    const QColor floor = r.color("inside", QColor(44, 40, 48));
    fillRect(img, img.rect(), floor);
    fillRect(img, QRect(0, 0, 32, 5), rock);
    hline(img, 0, 31, 5, shade(rock, 0.6));
    hline(img, 0, 31, 0, shade(rock, 1.3));
    const int bottom = open ? 9 : 31;
    for (int x = 2; x < 32; x += 6) {
        for (int y = 6; y <= bottom; ++y) {
            plot(img, x, y, iron);
            plot(img, x + 1, y, shade(iron, 1.4));
            plot(img, x + 2, y, shade(iron, 0.6));
        }
        if (!open) plot(img, x + 1, 31, shade(iron, 1.8));
    }
    for (int y = 6; y <= bottom; y += 8) hline(img, 0, 31, y, shade(iron, 0.9));
    if (open) {
        // Floor of the passage seen through the raised gate.
        Rng rng(QStringLiteral("gate-floor"));
        noiseFill(img, QRect(0, 12, 32, 20), r.color("floor", QColor(92, 84, 96)), 0.08, rng, 2);
        hline(img, 0, 31, 11, shade(iron, 0.5));
    }
}

// Steps going down into the floor: a dark well with stone treads, lit from the top.
void stairsDown(QImage& img, const Recipe& r) {
    const QColor stone = r.color("stone", QColor(150, 144, 138));
    fillRect(img, QRect(2, 2, 28, 28), shade(stone, 0.45));
    for (int k = 0; k < 5; ++k) {
        const int y = 4 + k * 5;
        const QColor c = shade(stone, 1.0 - 0.14 * k);
        fillRect(img, QRect(4 + k, y, 24 - 2 * k, 4), c);
        hline(img, 4 + k, 27 - k, y, shade(c, 1.25));
    }
    frameRect(img, QRect(1, 1, 30, 30), shade(stone, 0.35));
}

// Steps going up: treads that get lighter towards the top of the cell.
void stairsUp(QImage& img, const Recipe& r) {
    const QColor stone = r.color("stone", QColor(150, 144, 138));
    fillRect(img, QRect(2, 0, 28, 32), shade(stone, 0.55));
    for (int k = 0; k < 6; ++k) {
        const int y = 26 - k * 5;
        const QColor c = shade(stone, 0.8 + 0.07 * k);
        fillRect(img, QRect(3, y, 26, 5), c);
        hline(img, 3, 28, y, shade(c, 1.3));
        hline(img, 3, 28, y + 4, shade(c, 0.7));
    }
    vline(img, 2, 0, 31, shade(stone, 0.4));
    vline(img, 29, 0, 31, shade(stone, 0.4));
}

// A rope ladder leading down a shaft.
void ladder(QImage& img, const Recipe& r) {
    const QColor rope = r.color("rope", QColor(196, 160, 100));
    fillRect(img, QRect(4, 3, 24, 26), QColor(20, 16, 22));
    frameRect(img, QRect(3, 2, 26, 28), r.color("rim", QColor(120, 110, 100)));
    for (int y = 3; y < 29; ++y) plot(img, 10, y, rope), plot(img, 21, y, rope);
    for (int y = 6; y < 29; y += 5)
        hline(img, 10, 21, y, shade(rope, 1.1)), hline(img, 11, 20, y + 1, shade(rope, 0.6));
}

void floorSwitch(QImage& img, const Recipe& r) {
    const QColor metal = r.color("metal", QColor(140, 150, 170));
    const QColor lamp = r.color("lamp", QColor(230, 80, 70));
    fillRect(img, QRect(8, 18, 16, 8), shade(metal, 0.5));
    fillRect(img, QRect(9, 19, 14, 6), metal);
    hline(img, 9, 22, 19, shade(metal, 1.3));
    // A lever leaning to the right with a red knob.
    for (int k = 0; k < 10; ++k)
        plot(img, 13 + k / 2, 18 - k, shade(metal, 0.7)), plot(img, 14 + k / 2, 18 - k, metal);
    fillRect(img, QRect(17, 6, 4, 4), lamp);
    plot(img, 18, 7, shade(lamp, 1.5));
}

void fountain(QImage& img, const Recipe& r) {
    const QColor stone = r.color("stone", QColor(196, 190, 180));
    const QColor water = r.color("water", QColor(90, 170, 230));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const double d = std::hypot(x - 15.5, y - 16.5);
            if (d < 14.5) plot(img, x, y, d > 12 ? shade(stone, d > 13.5 ? 0.6 : 1.0) : water);
            if (d < 12 && d > 10.5) plot(img, x, y, shade(water, 0.8));
        }
    // The spout and its sparkle.
    fillRect(img, QRect(14, 10, 4, 8), stone);
    hline(img, 14, 17, 10, shade(stone, 1.3));
    for (int k = 0; k < 5; ++k)
        plot(img, 12 - k, 8 + k, QColor(230, 250, 255)),
            plot(img, 19 + k, 8 + k, QColor(230, 250, 255));
    plot(img, 15, 7, QColor(255, 255, 255)), plot(img, 16, 6, QColor(255, 255, 255));
}

// The save point: a glowing eight-pointed star inlaid in the floor.
void savePoint(QImage& img, const Recipe& r) {
    const QColor glow = r.color("glow", QColor(120, 200, 255));
    const QColor core = QColor(250, 250, 230);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const double dx = x - 15.5, dy = y - 15.5, d = std::hypot(dx, dy);
            const double ang = std::atan2(dy, dx);
            const double star = 7.0 + 6.0 * std::pow(std::abs(std::cos(ang * 4.0 / 2.0)), 6.0);
            if (d < 15 && d > 13.8) plot(img, x, y, shade(glow, 0.8));
            if (d < star) plot(img, x, y, mix(core, glow, d / star));
        }
}

void altar(QImage& img, const Recipe& r, bool open) {
    const QColor stone = r.color("stone", QColor(200, 196, 210));
    const QColor cloth = r.color("cloth", QColor(150, 60, 90));
    fillRect(img, QRect(3, 10, 26, 19), shade(stone, 0.55));
    fillRect(img, QRect(4, 11, 24, 17), stone);
    hline(img, 4, 27, 11, shade(stone, 1.25));
    fillRect(img, QRect(10, 11, 12, 17), cloth);
    vline(img, 10, 11, 27, shade(cloth, 0.7)), vline(img, 21, 11, 27, shade(cloth, 0.7));
    if (!open) {
        // A small chest of light resting on the altar.
        fillRect(img, QRect(11, 3, 10, 9), QColor(60, 40, 20));
        fillRect(img, QRect(12, 4, 8, 7), r.color("box", QColor(230, 190, 80)));
        hline(img, 12, 19, 7, QColor(120, 80, 30));
        plot(img, 15, 6, QColor(255, 255, 220)), plot(img, 16, 6, QColor(255, 255, 220));
    }
}

// A dark opening in the rock: the way out of a cave.
void caveMouth(QImage& img, const Recipe& r) {
    const QColor light = r.color("light", QColor(236, 226, 180));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const double dx = (x - 15.5) / 14.0, dy = (y - 31.0) / 28.0;
            const double d = dx * dx + dy * dy;
            if (d < 1.0) plot(img, x, y, mix(light, shade(light, 0.6), d));
        }
    for (int x = 4; x < 28; x += 5) plot(img, x, 29, shade(light, 1.2));
}

// A woven rug or carpet, with a border on the sides given by the recipe.
void rug(QImage& img, const Recipe& r) {
    const QColor c = r.color("base", QColor(150, 40, 50));
    const QColor trim = r.color("trim", QColor(230, 190, 90));
    fillRect(img, QRect(2, 0, 28, 32), c);
    vline(img, 3, 0, 31, trim), vline(img, 28, 0, 31, trim);
    for (int y = 2; y < 32; y += 8) {
        plot(img, 15, y, trim), plot(img, 16, y, trim);
        plot(img, 14, y + 1, trim), plot(img, 17, y + 1, trim);
        plot(img, 15, y + 2, trim), plot(img, 16, y + 2, trim);
    }
}

// A wooden door in a house wall.
void houseDoor(QImage& img, const Recipe& r) {
    const QColor timber = r.color("timber", QColor(104, 72, 46));
    const QColor door = r.color("door", QColor(124, 76, 40));
    fillRect(img, QRect(0, 0, 32, 32), r.color("wall", QColor(226, 214, 186)));
    fillRect(img, QRect(0, 0, 32, 2), timber);
    vline(img, 0, 0, 31, timber), vline(img, 31, 0, 31, shade(timber, 0.8));
    fillRect(img, QRect(8, 6, 16, 26), shade(timber, 0.7));
    fillRect(img, QRect(9, 7, 14, 25), door);
    for (int x = 12; x < 23; x += 4) vline(img, x, 8, 31, shade(door, 0.8));
    hline(img, 9, 22, 7, shade(door, 1.3));
    plot(img, 20, 19, QColor(240, 210, 90)), plot(img, 20, 20, QColor(180, 150, 50));
}

}  // namespace

void paintFeature(QImage& img, const Recipe& r, Rng& rng) {
    if (r.has("floor")) paintGroundRecipe(img, r.sub("floor", "f."), rng);
    const QString k = r.kind();
    if (k == "chest")
        chest(img, r, false);
    else if (k == "chest-open")
        chest(img, r, true);
    else if (k == "gate")
        gate(img, r, false);
    else if (k == "gate-open")
        gate(img, r, true);
    else if (k == "stairs-down")
        stairsDown(img, r);
    else if (k == "stairs-up")
        stairsUp(img, r);
    else if (k == "ladder")
        ladder(img, r);
    else if (k == "switch")
        floorSwitch(img, r);
    else if (k == "fountain")
        fountain(img, r);
    else if (k == "save")
        savePoint(img, r);
    else if (k == "altar")
        altar(img, r, false);
    else if (k == "altar-empty")
        altar(img, r, true);
    else if (k == "mouth")
        caveMouth(img, r);
    else if (k == "rug")
        rug(img, r);
    else if (k == "door")
        houseDoor(img, r);
    else
        throw ContentError("tiles.txt", 0, QStringLiteral("no feature painter \"%1\"").arg(k));
}
