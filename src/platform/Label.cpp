#include "platform/Label.h"

#include <QMouseEvent>

QString captionToDisplay(const QString& caption) {
    QString s = caption;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(u'\r', u'\n');
    return s;
}

Label::Label(QWidget* parent, const QString& caption) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setAutoFillBackground(true);
    applyColours();
    setCaption(caption);
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    setText(captionToDisplay(caption));
}

void Label::setForeColor(QColor c) {
    fore_ = c;
    applyColours();
}

void Label::setBackColor(QColor c) {
    back_ = c;
    applyColours();
}

void Label::setTransparent(bool transparent) {
    transparent_ = transparent;
    setAutoFillBackground(!transparent);
    applyColours();
}

void Label::applyColours() {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, fore_);
    pal.setColor(QPalette::Window, transparent_ ? QColor(0, 0, 0, 0) : back_);
    setPalette(pal);
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (rect().contains(e->position().toPoint())) emit clicked();
}
