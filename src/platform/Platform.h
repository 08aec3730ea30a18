#pragma once

#include <QString>
#include <optional>

// The services the game asks of the machine, behind one interface so that every screen and
// rule runs the same under tests (ScriptedPlatform) and in the real program (QtPlatform).
class Platform {
  public:
    virtual ~Platform() = default;

    // A message box with an OK button; returns when the player has read it.
    virtual void msgBox(const QString& text) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // An input box with a prompt and a default answer; nothing when the player cancels.
    virtual std::optional<QString> inputBox(const QString& prompt,
                                            const QString& defaultAnswer) = 0;

    // A random draw uniform in [0, 1).
    virtual double rnd() = 0;
    // Asked for where the game's rules start the generator anew. The draws stay independent of
    // the ones before (the real machine keeps its one sequence going).
    virtual void randomize() = 0;

    // A short pause that lets the player look at the picture: the screen keeps painting, player
    // input waits until the pause is over.
    virtual void pause(int milliseconds) = 0;
    // Processes pending events (painting, timers, input) and returns.
    virtual void doEvents() = 0;

    // The folder of the program itself.
    virtual QString appDir() = 0;

    // The media command interpreter for background music ("open <file> alias bgm", "play bgm
    // from 0", "status bgm mode", "stop bgm ", "close all"). Returns the device's reply, empty
    // when there is none or the command failed.
    virtual QString mciSendString(const QString& command) = 0;

    // Ends the program at once with the given exit status. Never returns.
    [[noreturn]] virtual void endProgram(int status) = 0;
};
