#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include "platform/Blit.h"

// A picture box: a widget that owns a picture surface and shows it. Drawing goes to the surface
// (it persists until cleared); Refresh() shows it. A box made with autoSize takes the size of each
// picture loaded into it (the hidden tile and portrait sheets); other boxes keep the size of the
// control and show a loaded picture at their top-left corner.
class PictureBox : public QWidget {
    Q_OBJECT

  public:
    explicit PictureBox(QWidget* parent = nullptr, bool autoSize = false);

    // The drawing surface; for an ordinary box it always has the control's size.
    QImage& surface() {
        ensureSurface();
        return surface_;
    }
    const QImage& surface() const {
        ensureSurface();
        return surface_;
    }

    // Loads a BMP or JPEG picture file; a missing file raises a GameError naming it.
    void loadPicture(const QString& path);
    // Takes a picture already in memory.
    void setPicture(const QImage& picture);
    // Shows a picture of the screen design: the file when it is there and readable, otherwise a
    // cleared box (the game runs on without it).
    void showDesignPicture(const QString& path);

    void setBackColor(QColor c) { back_ = c; }
    QColor backColor() const { return back_; }
    // Clears the surface to the background colour.
    void Cls();
    // Shows the surface now.
    void Refresh();

    void bitBlt(int dx, int dy, int w, int h, const QImage& src, int sx, int sy, Rop op);
    void stretchBlt(int dx, int dy, int dw, int dh, const QImage& src, int sx, int sy, int sw,
                    int sh, Rop op);
    // Box outline from (x1, y1) to (x2, y2) in the given colour.
    void drawBox(int x1, int y1, int x2, int y2, QColor colour);

  signals:
    void clicked();
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);
    void mouseMove(int x, int y);
    void keyDown(int key);
    void keyUp(int key);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;

  private:
    void placePicture(const QImage& picture);
    // Grows or shrinks the surface to the control's size, keeping what was drawn.
    void ensureSurface() const;

    mutable QImage surface_;
    QColor back_{0, 0, 0};
    bool autoSize_;
};
