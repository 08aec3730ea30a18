#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdint>

// Drawing helpers shared by every painter of the world's pictures. Everything here is
// deterministic: the same inputs give the same pixels, so generated files never change between
// runs.

// A small seeded random generator (SplitMix64); seeds come from names, never from the clock.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    explicit Rng(const QString& key);

    uint64_t next();
    double uniform();                    // [0, 1)
    double range(double lo, double hi);  // [lo, hi)
    int below(int n);                    // 0 .. n-1
    bool chance(double p) { return uniform() < p; }

  private:
    uint64_t state_;
};

// A fully transparent ARGB picture of the given size.
QImage blankArgb(int w, int h);
// An opaque picture filled with one colour.
QImage filledRgb(int w, int h, QColor c);

QColor mix(QColor a, QColor b, double t);  // t = 0 gives a, 1 gives b
QColor shade(QColor c, double f);          // f < 1 darker, > 1 lighter
QColor withAlpha(QColor c, int a);

// A painter with or without antialiasing; pixel art is drawn without.
void beginPainter(QPainter& p, QImage& img, bool antialias);

// Makes every pixel with alpha of at least `threshold` fully opaque and every other pixel fully
// transparent, so a sprite has a hard edge that a mask can describe exactly.
void hardenAlpha(QImage& img, int threshold = 110);
// Draws a ring of `colour` around every opaque area (pixels next to an opaque pixel, 4- or
// 8-neighbourhood). Sprites get a dark outline so they read well on any ground.
void addOutline(QImage& img, QColor colour, bool diagonal = true);
// True when no pixel of the rectangle is opaque.
bool isTransparent(const QImage& img, const QRect& r);

// A picture sheet drawn with AND/XOR masking: `image` is black where the sprite is
// transparent, `mask` is white there and black where the sprite is opaque.
struct MaskedSheet {
    QImage image;
    QImage mask;
    MaskedSheet(int w, int h);
    // Copies a hard-edged ARGB sprite into both pictures with its top-left corner at `at`.
    void place(const QImage& sprite, QPoint at);
};

// Encoded files. BMP pictures are 24-bit; JPEG pictures use the given quality.
QByteArray encodeBmp(const QImage& img);
QByteArray encodeJpeg(const QImage& img, int quality);
// A mask as a one-channel JPEG: only brightness is stored, so there is no colour bleeding at
// the edge of the sprite.
QByteArray encodeGreyJpeg(const QImage& img, int quality);
QByteArray encodePng(const QImage& img);

// A star of `points` points around c (outer and inner radius), the first point straight up
// unless turned.
QPainterPath starShape(QPointF c, int points, double outer, double inner, double turn = 0);
// A round shape lit from the upper left: a radial gradient from light to col.
void litBlob(QPainter& p, QPointF c, double rx, double ry, QColor col, QColor light);

// Fills a rectangle with noise around a base colour, seeded, in square "pixels" of size px.
void noiseFill(QImage& img, const QRect& r, QColor base, double amount, Rng& rng, int px = 1);
// Sets one pixel when it lies inside the picture.
inline void plot(QImage& img, int x, int y, QColor c) {
    if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixelColor(x, y, c);
}
