#include "platform/Screenshot.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "platform/Form.h"
#include "platform/FormManager.h"

bool saveScreenshot(QWidget& screen, const QString& file) {
    QPixmap shot;
    // On a real display take what the player sees over the screen's area, message boxes and
    // all; elsewhere (the offscreen platform) the screen's own drawing.
    QScreen* display = QGuiApplication::primaryScreen();
    if (display && QGuiApplication::platformName() == u"xcb" && screen.isVisible()) {
        QRect area(screen.mapToGlobal(QPoint(0, 0)), screen.size());
        shot = display->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    }
    if (shot.isNull()) shot = screen.grab();
    return shot.save(file, "PNG");
}

void scheduleScreenshotAndExit(FormManager& forms, const QString& file, int delayMs) {
    QTimer::singleShot(delayMs, qApp, [&forms, file] {
        QWidget* target = forms.activeForm();
        if (!target) target = QApplication::activeModalWidget();
        if (!target) target = QApplication::activeWindow();
        bool ok = target && saveScreenshot(*target, file);
        if (!ok) std::fprintf(stderr, "could not write the screenshot %s\n", qPrintable(file));
        std::fflush(stdout);
        std::_Exit(ok ? 0 : 1);
    });
}
