#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class FormManager;
class QWidget;

// Full screen play: a black backdrop covers the screen and every game window is shown without a
// frame, centred on it. Switching back shows the windows with their frames again.
class DisplayMode {
  public:
    explicit DisplayMode(FormManager& forms);
    ~DisplayMode();

    bool isFullScreen() const { return fullScreen_; }
    void setFullScreen(bool on);

  private:
    FormManager& forms_;
    std::unique_ptr<QWidget> backdrop_;
    bool fullScreen_ = false;
};

// The keys that work on every screen: F11 switches full screen, F12 saves a screenshot of the
// active screen. Installed on the application; other keys pass on to the screens.
class GameKeys : public QObject {
  public:
    GameKeys(std::function<void()> toggleFullScreen, std::function<void()> screenshot)
        : toggle_(std::move(toggleFullScreen)), screenshot_(std::move(screenshot)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> toggle_;
    std::function<void()> screenshot_;
};

// Saves a PNG of the active screen into the player's pictures folder (…/hoshikage/) under a
// name with the date and time; returns the file written, or an empty text on failure.
QString saveScreenshotToPictures(FormManager& forms);
