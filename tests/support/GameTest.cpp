#include "support/GameTest.h"

#include <QDir>

#include "platform/Screenshot.h"

GameTest::GameTest() : game(std::make_unique<Game>(pf)) {
    pf.appDirectory = data.path();
    st().AppPath = data.path();
    st().DataPath = data.path() + QStringLiteral("/");
    game->dataDirOverride = data.path();
    installHook();
}

GameTest::~GameTest() {
    game.reset();
}

void GameTest::installHook() {
    game->forms().setShowHook([this](Form& f) {
        shown.push_back(f.name());
        auto it = handlers_.find(std::type_index(typeid(f)));
        if (it == handlers_.end() || it->second.empty()) return;
        auto fn = it->second.front();
        it->second.erase(it->second.begin());
        fn(f);
    });
}

void GameTest::shot(QWidget& screen, const QString& name) {
    QByteArray dir = qgetenv("HOSHIKAGE_SHOTS_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    saveScreenshot(screen, QString::fromLocal8Bit(dir) + u'/' + name + QStringLiteral(".png"));
}
