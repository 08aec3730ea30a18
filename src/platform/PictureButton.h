#pragma once

#include <QPushButton>

// A button that shows a picture instead of (or beside) a caption, as the menu and command
// buttons do. A picture file that is missing leaves the button plain; it never fails.
class PictureButton : public QPushButton {
    Q_OBJECT

  public:
    explicit PictureButton(QWidget* parent = nullptr, const QString& caption = QString());

    // Shows the picture file at path (BMP or JPEG) filling the button, less a small margin.
    void setPictureFile(const QString& path);
    bool hasPicture() const { return hasPicture_; }

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    bool hasPicture_ = false;
};
