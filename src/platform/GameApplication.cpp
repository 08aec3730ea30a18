#include "platform/GameApplication.h"

#include <QFont>
#include <cstdio>
#include <cstdlib>

#include "core/GameError.h"

void useGameFont() {
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(14);
    QApplication::setFont(font);
}

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void GameApplication::fatal(const QString& report) {
    std::fprintf(stderr, "%s\n", report.toLocal8Bit().constData());
    if (!reporting_ && reporter_) {
        reporting_ = true;  // one report only, even if showing it raises another error
        reporter_(report);
    }
    std::_Exit(1);
}

bool GameApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const GameError& e) {
        fatal(e.report());
    } catch (const std::exception& e) {
        fatal(QString::fromLocal8Bit(e.what()));
    }
}
