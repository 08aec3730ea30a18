#pragma once

#include <QColor>
#include <QImage>

// Block transfers between pictures, as the screens draw: an opaque copy, or the two passes of
// masked drawing (the mask combined with AND, then the sprite with XOR). All pictures are
// QImage::Format_RGB32; the operations touch the colour bits and keep every pixel opaque.
// Rectangles are clipped to both pictures, so a transfer partly outside draws the part inside.
enum class Rop { Copy, And, Xor };

// Copies the w × h block at (sx, sy) of src to (dx, dy) of dst.
void bitBlt(QImage& dst, int dx, int dy, int w, int h, const QImage& src, int sx, int sy, Rop op);

// Stretches the sw × sh block at (sx, sy) of src onto the dw × dh block at (dx, dy) of dst.
// Each destination pixel takes the source pixel under its centre (nearest neighbour):
// source column sx + floor((2·i + 1)·sw / (2·dw)) for destination column dx + i.
void stretchBlt(QImage& dst, int dx, int dy, int dw, int dh, const QImage& src, int sx, int sy,
                int sw, int sh, Rop op);

// The outline of the box with corners (x1, y1) and (x2, y2), both included, one pixel wide.
void drawBox(QImage& dst, int x1, int y1, int x2, int y2, QColor colour);

// A picture in the format every transfer expects (a null image stays null).
QImage toSurfaceFormat(const QImage& picture);

// Loads a BMP or JPEG picture; raises a GameError naming the file when it is missing or cannot
// be decoded.
QImage loadPictureFile(const QString& path);
