#pragma once

#include <QColor>
#include <QLabel>

// A label whose caption is kept exactly as set (a line break inside a caption is the single
// character 13) and shown with that character as a new line. Click raises clicked().
class Label : public QLabel {
    Q_OBJECT

  public:
    explicit Label(QWidget* parent = nullptr, const QString& caption = QString());

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }

    void setForeColor(QColor c);
    void setBackColor(QColor c);
    QColor foreColor() const { return fore_; }
    QColor backColor() const { return back_; }
    // A transparent label shows what lies behind it.
    void setTransparent(bool transparent);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    void applyColours();

    QString caption_;
    QColor fore_{0, 0, 0};
    QColor back_{240, 240, 240};
    bool transparent_ = false;
};

// The text a caption shows: character 13 (alone or before a line feed) becomes a new line.
QString captionToDisplay(const QString& caption);
