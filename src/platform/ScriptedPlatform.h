#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <stdexcept>
#include <vector>

#include "platform/MediaCommands.h"
#include "platform/Platform.h"

// Thrown by ScriptedPlatform::endProgram so that a test can see the program end.
struct ProgramEnded : std::runtime_error {
    explicit ProgramEnded(int s) : std::runtime_error("program ended"), status(s) {}
    int status;
};

// The test double of the machine: records every message, question and media command, answers
// questions and input boxes from scripts, draws scripted random numbers first and then a fixed
// pseudo-random sequence, never pauses, and keeps the music state with a silent device.
class ScriptedPlatform : public Platform {
  public:
    ScriptedPlatform();

    // Recorded.
    QStringList messages;     // texts of every OK message box, in order
    QStringList questions;    // texts of every Yes/No question
    QStringList prompts;      // prompts of every input box
    QStringList defaults;     // the default answers of every input box
    QStringList mciCommands;  // every media command sent
    int randomizeCalls = 0;
    int pausedMilliseconds = 0;

    // Scripted answers; an unscripted question is answered No, an unscripted input box is
    // cancelled, and unscripted random draws come from a fixed-seed generator.
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<double> randomDraws;
    QString appDirectory = QStringLiteral(".");

    // Called from inside msgBox, so a test can act while a message is on view (optional).
    std::function<void(const QString&)> onMessage;

    MediaCommandInterpreter& media() { return *media_; }
    // Makes the open "bgm" track end, as if it had played to its last note.
    void finishTrack();

    void msgBox(const QString& text) override;
    bool askYesNo(const QString& text) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& defaultAnswer) override;
    double rnd() override;
    void randomize() override { ++randomizeCalls; }
    void pause(int milliseconds) override { pausedMilliseconds += milliseconds; }
    void doEvents() override {}
    QString appDir() override { return appDirectory; }
    QString mciSendString(const QString& command) override;
    [[noreturn]] void endProgram(int status) override { throw ProgramEnded(status); }

  private:
    std::mt19937 rng_{12345};
    std::vector<SilentMediaBackend*> backends_;  // declared first: outlives the interpreter
    std::unique_ptr<MediaCommandInterpreter> media_;
};
