#pragma once

#include <QString>
#include <QWidget>

class FormManager;
class QEventLoop;

// The base of every screen. A screen is a top-level window whose object lives for the whole
// run: closing it (Unload) hides it and runs Form_Unload, but its own variables keep their
// values until its load handler resets them.
//
// Lifecycle, raised by the form manager (the same under tests as on a desktop):
//   Show()         loads the screen when it is not loaded (applyDesign, then Form_Load), shows
//                  it and activates it (Form_Activate);
//   Show(true)     the same, then runs the screen modally: the call returns only when the screen
//                  has been unloaded, and the screen that was active before is activated again;
//   Unload()       runs Form_Unload and closes the screen (also by the window's close button).
class Form : public QWidget {
    Q_OBJECT

  public:
    Form(FormManager& forms, QString name);
    ~Form() override;

    const QString& name() const { return name_; }
    void Show(bool modal = false);
    void Unload();
    bool isLoaded() const { return loaded_; }
    bool isShownModal() const { return modal_; }

    // Called by the manager when the screen becomes the active one.
    void activate() { Form_Activate(); }
    // Shows the window with or without its frame as the manager says (full screen play).
    void applyFrame();

  protected:
    // Puts the controls back as the screen design has them (captions, visibility, enabled); run
    // before every Form_Load, since unloading a screen in the design discards its controls.
    virtual void applyDesign() {}
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}

    // Fixes the window's client area to w × h pixels and centres the window on the screen.
    void setClientSize(int w, int h);

    FormManager& forms() { return forms_; }

    void closeEvent(QCloseEvent* e) override;

  private:
    FormManager& forms_;
    QString name_;
    bool loaded_ = false;
    bool modal_ = false;
    QEventLoop* loop_ = nullptr;
};
