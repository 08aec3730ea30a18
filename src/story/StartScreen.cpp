#include "story/StartScreen.h"

#include <QFont>

#include "core/Game.h"
#include "platform/Label.h"

StartScreen::StartScreen(Game& game) : Form(game.forms(), QStringLiteral("星影の旅路")) {
    auto* caption = new Label(this, QStringLiteral("星影の旅路"));
    caption->setGeometry(0, 0, 800, 608);
    caption->setAlignment(Qt::AlignCenter);
    caption->setForeColor(QColor(255, 240, 200));
    caption->setBackColor(QColor(16, 24, 48));
    QFont f = caption->font();
    f.setPixelSize(48);
    caption->setFont(f);
}

void StartScreen::Form_Load() {
    setClientSize(800, 608);
}
