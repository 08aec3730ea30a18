#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <optional>

class Game;

// Test-play, for people making worlds: a new game's party starts straight on one map, and F5
// reads the tables and that map from disk again while the game runs, so a changed place can be
// tried at once.

// Prepares the game as the start-up does (data folder, tables), then starts a new game's party on
// map `map` (a base name such as "mori001", ".map" may be given) instead of showing the title:
// the world map and the towns on the overhead map screen, every other map on the field. `cell`
// is the party's cell (column, row, as Tiled counts them); without it the party comes in where
// the map's place lets it in. A field map entered from another one (the shrine below the forest)
// is started with that map beneath it on the map stack, so its way back leads there. A map the
// world does not have, or a map of no place without a cell, raises a GameError.
void StartOnMap(Game& game, const QString& map, std::optional<QPoint> cell);

// F5: reads every table again, then the map, tile sheets and field tables of the screen on view
// (field or overhead map). A file that cannot be read is told in a message and changes nothing.
// Does nothing while another screen is over the map.
void ReloadFromDisk(Game& game);

// Catches F5 for ReloadFromDisk; installed on the application in test-play.
class ReloadKey : public QObject {
  public:
    explicit ReloadKey(Game& game) : game_(game) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Game& game_;
};
