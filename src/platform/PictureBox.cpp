#include "platform/PictureBox.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent, bool autoSize) : QWidget(parent), autoSize_(autoSize) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureBox::loadPicture(const QString& path) {
    placePicture(loadPictureFile(path));
}

void PictureBox::setPicture(const QImage& picture) {
    placePicture(toSurfaceFormat(picture));
}

void PictureBox::showDesignPicture(const QString& path) {
    const QImage picture = QImageReader(path).read();
    if (picture.isNull())
        Cls();
    else
        setPicture(picture);
}

void PictureBox::placePicture(const QImage& picture) {
    if (autoSize_) {
        surface_ = picture;
        resize(picture.size());
    } else {
        ensureSurface();
        surface_.fill(back_);
        ::bitBlt(surface_, 0, 0, picture.width(), picture.height(), picture, 0, 0, Rop::Copy);
    }
    update();
}

void PictureBox::Cls() {
    ensureSurface();
    surface_.fill(back_);
    update();
}

void PictureBox::Refresh() {
    update();
}

void PictureBox::bitBlt(int dx, int dy, int w, int h, const QImage& src, int sx, int sy, Rop op) {
    ::bitBlt(surface(), dx, dy, w, h, src, sx, sy, op);
}

void PictureBox::stretchBlt(int dx, int dy, int dw, int dh, const QImage& src, int sx, int sy,
                            int sw, int sh, Rop op) {
    ::stretchBlt(surface(), dx, dy, dw, dh, src, sx, sy, sw, sh, op);
}

void PictureBox::drawBox(int x1, int y1, int x2, int y2, QColor colour) {
    ::drawBox(surface(), x1, y1, x2, y2, colour);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.fillRect(rect(), back_);
    ensureSurface();
    if (!surface_.isNull()) p.drawImage(0, 0, surface_);
}

void PictureBox::ensureSurface() const {
    if (autoSize_ && !surface_.isNull()) return;
    const QSize want = size().expandedTo(QSize(1, 1));
    if (surface_.size() == want) return;
    QImage grown(want, QImage::Format_RGB32);
    grown.fill(back_);
    if (!surface_.isNull())
        ::bitBlt(grown, 0, 0, surface_.width(), surface_.height(), surface_, 0, 0, Rop::Copy);
    surface_ = grown;
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    emit mouseDown(e->button(), int(e->position().x()), int(e->position().y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    emit mouseUp(e->button(), int(e->position().x()), int(e->position().y()));
    if (rect().contains(e->position().toPoint())) emit clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMove(int(e->position().x()), int(e->position().y()));
}

void PictureBox::keyPressEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;  // a held key is one press until it is released
    emit keyDown(e->key());
}

void PictureBox::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;
    emit keyUp(e->key());
}
