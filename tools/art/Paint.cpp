#include "art/Paint.h"

#include <QBuffer>
#include <QImageWriter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

Rng::Rng(const QString& key) : state_(1469598103934665603ull) {
    // FNV-1a over the UTF-16 units of the key.
    for (QChar c : key) {
        state_ ^= c.unicode();
        state_ *= 1099511628211ull;
    }
}

uint64_t Rng::next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

double Rng::uniform() {
    return double(next() >> 11) * (1.0 / 9007199254740992.0);
}

double Rng::range(double lo, double hi) {
    return lo + (hi - lo) * uniform();
}

int Rng::below(int n) {
    return n <= 0 ? 0 : int(next() % uint64_t(n));
}

QImage blankArgb(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

QImage filledRgb(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

QColor mix(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor shade(QColor c, double f) {
    auto ch = [f](int v) { return std::clamp(int(std::lround(v * f)), 0, 255); };
    if (f > 1.0) {
        // Lighten towards white so light shades keep their hue.
        const double t = std::min(1.0, f - 1.0);
        return mix(c, QColor(255, 255, 255, c.alpha()), t);
    }
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()), c.alpha());
}

QColor withAlpha(QColor c, int a) {
    c.setAlpha(a);
    return c;
}

void beginPainter(QPainter& p, QImage& img, bool antialias) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing, antialias);
    p.setRenderHint(QPainter::TextAntialiasing, antialias);
    p.setRenderHint(QPainter::SmoothPixmapTransform, antialias);
}

void hardenAlpha(QImage& img, int threshold) {
    for (int y = 0; y < img.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = line[x];
            const int a = qAlpha(px);
            if (a >= threshold) {
                // Undo premultiplication-free blending: scale colour up to full opacity.
                line[x] = qRgba(qRed(px), qGreen(px), qBlue(px), 255);
            } else {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
}

void addOutline(QImage& img, QColor colour, bool diagonal) {
    const QImage src = img.copy();
    auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < src.width() && y < src.height() &&
               qAlpha(src.pixel(x, y)) == 255;
    };
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (opaque(x, y)) continue;
            bool next =
                opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1);
            if (diagonal)
                next = next || opaque(x - 1, y - 1) || opaque(x + 1, y - 1) ||
                       opaque(x - 1, y + 1) || opaque(x + 1, y + 1);
            if (next) img.setPixelColor(x, y, colour);
        }
    }
}

bool isTransparent(const QImage& img, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0) return false;
    return true;
}

MaskedSheet::MaskedSheet(int w, int h)
    : image(filledRgb(w, h, Qt::black)), mask(filledRgb(w, h, Qt::white)) {}

void MaskedSheet::place(const QImage& sprite, QPoint at) {
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x) {
            const QRgb px = sprite.pixel(x, y);
            if (qAlpha(px) < 128) continue;
            const int tx = at.x() + x, ty = at.y() + y;
            if (tx < 0 || ty < 0 || tx >= image.width() || ty >= image.height()) continue;
            // A colour of pure black would vanish in the XOR pass; nudge it to near-black.
            QRgb c = qRgb(qRed(px), qGreen(px), qBlue(px));
            if (qRed(c) + qGreen(c) + qBlue(c) == 0) c = qRgb(1, 1, 1);
            image.setPixel(tx, ty, c);
            mask.setPixel(tx, ty, qRgb(0, 0, 0));
        }
    }
}

namespace {
QByteArray encode(const QImage& img, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, format);
    if (quality >= 0) w.setQuality(quality);
    w.write(img);
    return bytes;
}
}  // namespace

QByteArray encodeBmp(const QImage& img) {
    return encode(img.convertToFormat(QImage::Format_RGB888), "bmp", -1);
}

QByteArray encodeJpeg(const QImage& img, int quality) {
    return encode(img.convertToFormat(QImage::Format_RGB32), "jpeg", quality);
}

QByteArray encodeGreyJpeg(const QImage& img, int quality) {
    return encode(img.convertToFormat(QImage::Format_Grayscale8), "jpeg", quality);
}

QByteArray encodePng(const QImage& img) {
    return encode(img, "png", -1);
}

void noiseFill(QImage& img, const QRect& r, QColor base, double amount, Rng& rng, int px) {
    for (int y = r.top(); y <= r.bottom(); y += px) {
        for (int x = r.left(); x <= r.right(); x += px) {
            const double f = 1.0 + rng.range(-amount, amount);
            const QColor c = shade(base, f);
            for (int dy = 0; dy < px && y + dy <= r.bottom(); ++dy)
                for (int dx = 0; dx < px && x + dx <= r.right(); ++dx) plot(img, x + dx, y + dy, c);
        }
    }
}

QPainterPath starShape(QPointF c, int points, double outer, double inner, double turn) {
    QPainterPath s;
    for (int k = 0; k < points * 2; ++k) {
        const double a = -M_PI / 2 + turn + k * M_PI / points, rad = k % 2 ? inner : outer;
        const QPointF q = c + QPointF(std::cos(a) * rad, std::sin(a) * rad);
        if (k == 0)
            s.moveTo(q);
        else
            s.lineTo(q);
    }
    s.closeSubpath();
    return s;
}

void litBlob(QPainter& p, QPointF c, double rx, double ry, QColor col, QColor light) {
    QRadialGradient g(c - QPointF(rx * 0.35, ry * 0.42), std::max(rx, ry) * 1.28);
    g.setColorAt(0, light);
    g.setColorAt(1, col);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, rx, ry);
}
