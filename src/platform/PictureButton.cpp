#include "platform/PictureButton.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>

PictureButton::PictureButton(QWidget* parent, const QString& caption)
    : QPushButton(caption, parent) {
    setFocusPolicy(Qt::NoFocus);  // keys stay with the view the player walks in
}

void PictureButton::setPictureFile(const QString& path) {
    QImage picture = QImageReader(path).read();
    hasPicture_ = !picture.isNull();
    setIcon(hasPicture_ ? QIcon(QPixmap::fromImage(picture)) : QIcon());
    setIconSize(size() - QSize(4, 4));
}

void PictureButton::resizeEvent(QResizeEvent* e) {
    QPushButton::resizeEvent(e);
    setIconSize(size() - QSize(4, 4));
}
