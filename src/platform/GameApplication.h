#pragma once

#include <QApplication>
#include <functional>

// The game's text face for every widget: IPAGothic at 14 pixels. Set once the application
// object exists; the program, the tests and the measurements all draw with it.
void useGameFont();

// The application object. A GameError (broken data, an index outside its array) raised inside
// any event handler is reported once through the report callback and ends the program with
// status 1; nothing runs on with half-loaded data.
class GameApplication : public QApplication {
  public:
    GameApplication(int& argc, char** argv);

    // Shows the report to the player (a message box in the game); called once.
    void setErrorReporter(std::function<void(const QString&)> reporter) {
        reporter_ = std::move(reporter);
    }
    // Reports a fatal error and ends the program with status 1.
    [[noreturn]] void fatal(const QString& report);

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    std::function<void(const QString&)> reporter_;
    bool reporting_ = false;
};
