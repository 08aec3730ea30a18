#pragma once

#include <functional>
#include <vector>

class Form;

// Knows the loaded screens, which one is active and the stack of screens shown modally. It raises
// activation itself, so the lifecycle does not depend on window-system focus.
class FormManager {
  public:
    // Called after a screen has been shown and activated. Tests use it to drive a modal screen:
    // the hook plays the player's part and unloads the screen; no event loop runs then.
    using ShowHook = std::function<void(Form&)>;
    void setShowHook(ShowHook hook) { hook_ = std::move(hook); }
    bool hasShowHook() const { return static_cast<bool>(hook_); }

    Form* activeForm() const { return active_; }
    const std::vector<Form*>& loadedForms() const { return loaded_; }
    const std::vector<Form*>& modalStack() const { return modal_; }
    bool isLoaded(const Form* f) const;

    // Full screen play shows every window without a frame; a change applies to the windows on
    // view at once and to every window shown later.
    void setFramelessWindows(bool on);
    bool framelessWindows() const { return frameless_; }

    // Unloads every loaded screen (the newest first).
    void unloadAll();
    // Drops a screen that is being destroyed, without running any handler.
    void forget(Form* f);

  private:
    friend class Form;
    void formLoaded(Form* f);
    void formShown(Form* f);
    void formUnloaded(Form* f);
    void pushModal(Form* f) { modal_.push_back(f); }
    void popModal(Form* f);
    void activate(Form* f);
    void runHook(Form& f);

    ShowHook hook_;
    bool frameless_ = false;
    Form* active_ = nullptr;
    std::vector<Form*> loaded_;   // in loading order
    std::vector<Form*> history_;  // activation order, most recent last
    std::vector<Form*> modal_;
};
