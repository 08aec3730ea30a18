#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <random>

#include "platform/MediaCommands.h"
#include "platform/Platform.h"

// The real machine: Qt message and input boxes, a Mersenne Twister started once from the
// machine's entropy (or from a fixed seed for reproducible play), Qt Multimedia music (or silence
// with --no-audio).
class QtPlatform : public Platform {
  public:
    struct Options {
        bool audio = true;
        std::optional<unsigned> seed;  // fixed seed: the whole run draws the same sequence
        QString windowTitle = QStringLiteral("星影の旅路");
    };

    explicit QtPlatform(Options options);
    ~QtPlatform() override;

    // The window message boxes are shown over (the active screen); may return nullptr.
    void setDialogParent(std::function<QWidget*()> parent) { dialogParent_ = std::move(parent); }

    void msgBox(const QString& text) override;
    bool askYesNo(const QString& text) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& defaultAnswer) override;
    double rnd() override;
    void randomize() override;
    void pause(int milliseconds) override;
    void doEvents() override;
    QString appDir() override;
    QString mciSendString(const QString& command) override;
    [[noreturn]] void endProgram(int status) override;

  private:
    QWidget* parentWidget() const { return dialogParent_ ? dialogParent_() : nullptr; }

    Options options_;
    std::mt19937 rng_;
    std::function<QWidget*()> dialogParent_;
    std::unique_ptr<MediaCommandInterpreter> media_;
};
