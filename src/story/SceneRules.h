#pragma once

#include <QPoint>
#include <QString>
#include <optional>

#include "core/Value.h"

struct GameState;

// The rules of the story scenes that need no window: which scene a code names, how far the story
// may have come for a scene to be told in full, the faces of the pages, the gifts and the
// companion's answer.

inline constexpr int kFirstScene = 1;
inline constexpr int kLastScene = 40;
// The guide for new travellers, shown from the title and the star shrine; it never moves the
// story on.
inline constexpr int kGuideScene = 8;
// Faces are 96 × 96 cells of the portrait sheet.
inline constexpr int kFaceSize = 96;

// The scene a code names: the number its last two digits make (8 → 8, 153 → 53). A code naming no
// scene 1 … 40 is broken data and raises a GameError.
int sceneNumberOf(int eventCode);

// The story progress up to which scene n is told in full: attribute 9 of its first line, or 99
// when that is empty.
int sceneThreshold(const GameState& st, int n);

// The cell (column, row) of face code f on "ca02.bmp": row f / 10, column (f mod 10) − 1. A code
// read as a text ("23", from quotes) counts as its number. An empty code, one that is not a whole
// non-negative number, and a last digit 0 show no face.
std::optional<QPoint> sceneFaceCell(const Value& face);

// The face code of page `page` of scene n; a page past the scene's last line has none.
Value scenePageFace(const GameState& st, int n, int page);

// The equipment a scene hands over when it is told in full (3 → 37, 5 → 30, 6 → 25).
std::optional<int> sceneGift(int scene);

// Hands equipment `gift` over (Ev_syr1): a new inventory entry with its number, name, slot and
// power (the inventory is not sorted), one more gift received, and the place it lay in front of
// the party marked as an opened chest. With no room in the inventory nothing changes and the
// result is false, so the scene can be told again once the player has made room.
bool Ev_syr1(GameState& st, int gift);

// The character an answer to the companion question chooses: 1 chooses サリア (4), any other
// number ファンロス (5). Spaces around the answer and full-width digits are accepted; nothing when
// the answer is not a number.
std::optional<int> companionFor(const QString& answer);
