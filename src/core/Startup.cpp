#include "core/Startup.h"

#include "core/DataLoad.h"
#include "core/Game.h"
#include "core/TableFiles.h"
#include "story/TitleScreen.h"

namespace {
// The game lays every screen out in pixels; a pixel counts as 15 twips both ways.
constexpr double kTwipsPerPixel = 15;
}  // namespace

QString dataPathFor(const QString& appPath, const QString& dataDirOverride) {
    if (dataDirOverride.isEmpty()) return appPath + QStringLiteral("/use/");
    return dataDirOverride.endsWith(u'/') ? dataDirOverride : dataDirOverride + u'/';
}

void Main(Game& game) {
    prepareGame(game);
    game.form<Taitol>().Show();
}

void prepareGame(Game& game) {
    GameState& st = game.state();
    st.TwipsPerPixelX = kTwipsPerPixel;
    st.TwipsPerPixelY = kTwipsPerPixel;

    st.AppPath = game.platform().appDir();
    st.DataPath = dataPathFor(st.AppPath, game.dataDirOverride);

    st.MapFileName = QStringLiteral("Map_f01.map");
    st.MapSize = 60;
    st.TownMode = 1;

    MasterFileNames{}.applyTo(st);

    Data_LoadAll(st);
}
