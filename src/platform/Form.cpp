#include "platform/Form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

#include "platform/FormManager.h"

Form::Form(FormManager& forms, QString name)
    : QWidget(nullptr), forms_(forms), name_(std::move(name)) {
    setWindowTitle(name_);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Form::~Form() {
    forms_.forget(this);
}

void Form::Show(bool modal) {
    if (!loaded_) {
        loaded_ = true;
        forms_.formLoaded(this);
        applyDesign();
        Form_Load();
        if (!loaded_) return;  // the load handler closed the screen again
    }
    applyFrame();
    if (modal) {
        Form* opener = forms_.activeForm();
        modal_ = true;
        forms_.pushModal(this);
        setWindowModality(Qt::ApplicationModal);
        QWidget::show();
        forms_.formShown(this);
        if (forms_.hasShowHook()) {
            if (loaded_) forms_.runHook(*this);
        } else if (loaded_) {
            QEventLoop loop;
            loop_ = &loop;
            loop.exec();
            loop_ = nullptr;
        }
        forms_.popModal(this);
        modal_ = false;
        setWindowModality(Qt::NonModal);
        if (opener && opener != this && forms_.isLoaded(opener)) forms_.activate(opener);
        return;
    }
    QWidget::show();
    raise();
    forms_.formShown(this);
    if (forms_.hasShowHook() && loaded_) forms_.runHook(*this);
}

void Form::Unload() {
    if (!loaded_) return;
    Form_Unload();
    loaded_ = false;
    QWidget::hide();
    if (loop_) loop_->quit();
    forms_.formUnloaded(this);
}

void Form::setClientSize(int w, int h) {
    setFixedSize(w, h);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - w) / 2, area.y() + (area.height() - h) / 2);
}

void Form::closeEvent(QCloseEvent* e) {
    // The window's own close button unloads the screen; the object stays for the next showing.
    e->ignore();
    Unload();
}

void Form::applyFrame() {
    const bool frameless = forms_.framelessWindows();
    if (windowFlags().testFlag(Qt::FramelessWindowHint) == frameless) return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, frameless);  // hides the window
    if (wasVisible) {
        QWidget::show();
        raise();
    }
}
