#include "platform/FormManager.h"

#include <algorithm>
#include <stdexcept>

#include "platform/Form.h"

bool FormManager::isLoaded(const Form* f) const {
    return std::find(loaded_.begin(), loaded_.end(), f) != loaded_.end();
}

void FormManager::formLoaded(Form* f) {
    if (!isLoaded(f)) loaded_.push_back(f);
}

void FormManager::formShown(Form* f) {
    activate(f);
}

void FormManager::activate(Form* f) {
    active_ = f;
    std::erase(history_, f);
    history_.push_back(f);
    f->activate();
}

void FormManager::formUnloaded(Form* f) {
    std::erase(loaded_, f);
    std::erase(history_, f);
    if (active_ != f) return;
    active_ = nullptr;
    // A modal screen hands activation back to its opener when its Show returns. A modeless one
    // that closes makes the screen active before it the active one again.
    if (f->isShownModal()) return;
    if (!history_.empty()) activate(history_.back());
}

void FormManager::popModal(Form* f) {
    std::erase(modal_, f);
}

void FormManager::runHook(Form& f) {
    hook_(f);
    if (f.isShownModal() && f.isLoaded())
        throw std::logic_error("the test script left the modal screen " + f.name().toStdString() +
                               " open");
}

void FormManager::unloadAll() {
    while (!loaded_.empty()) loaded_.back()->Unload();
}

void FormManager::forget(Form* f) {
    std::erase(loaded_, f);
    std::erase(history_, f);
    std::erase(modal_, f);
    if (active_ == f) active_ = nullptr;
}

void FormManager::setFramelessWindows(bool on) {
    frameless_ = on;
    for (Form* f : loaded_) f->applyFrame();
}
