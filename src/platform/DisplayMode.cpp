#include "platform/DisplayMode.h"

#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include "platform/Form.h"
#include "platform/FormManager.h"
#include "platform/Screenshot.h"

DisplayMode::DisplayMode(FormManager& forms) : forms_(forms) {}

DisplayMode::~DisplayMode() = default;

void DisplayMode::setFullScreen(bool on) {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    if (on) {
        if (!backdrop_) {
            backdrop_ = std::make_unique<QWidget>(
                nullptr, Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
            backdrop_->setStyleSheet(QStringLiteral("background: black;"));
            backdrop_->setWindowTitle(QStringLiteral("星影の旅路"));
        }
        if (QScreen* screen = QGuiApplication::primaryScreen())
            backdrop_->setGeometry(screen->geometry());
        backdrop_->show();
        backdrop_->lower();
    } else if (backdrop_) {
        backdrop_->hide();
    }
    forms_.setFramelessWindows(on);
    if (Form* active = forms_.activeForm()) active->raise();
}

bool GameKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F11 && !key->isAutoRepeat()) {
            if (toggle_) toggle_();
            return true;
        }
        if (key->key() == Qt::Key_F12 && !key->isAutoRepeat()) {
            if (screenshot_) screenshot_();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QString saveScreenshotToPictures(FormManager& forms) {
    Form* screen = forms.activeForm();
    if (!screen) return QString();
    QString dir = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (dir.isEmpty()) dir = QDir::homePath();
    dir += QStringLiteral("/hoshikage");
    if (!QDir().mkpath(dir)) return QString();
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QString file = dir + QStringLiteral("/hoshikage-") + stamp + QStringLiteral(".png");
    return saveScreenshot(*screen, file) ? file : QString();
}
