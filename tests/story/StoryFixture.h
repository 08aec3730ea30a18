#pragma once

#include <QColor>
#include <optional>
#include <vector>

#include "support/GameTest.h"

class Ev_frm;

// A party standing in the forest at (MapX 10, MapY 10), facing up at a cell that is blocked and
// holds an event, with scenes written straight into the tables, a face sheet whose every 96 × 96
// cell has its own colour (faceColour) and a scene picture of one colour (kSceneColour).
class StoryTest : public GameTest {
  protected:
    StoryTest();

    static constexpr int kAheadColumn = 9, kAheadRow = 9;  // grid cell in front of the party
    static inline const QColor kSceneColour{30, 90, 60};
    static QColor faceColour(int column, int row);

    struct Page {
        Value face;
        QString text;
    };
    // Scene n: picture "scene.bmp", threshold (none: empty), the short text with no face of its
    // own, and the pages.
    void putScene(int n, std::optional<int> threshold, const std::vector<Page>& pages);
    // Opens the scene screen on code `code`, as the field does.
    Ev_frm& openScene(int code);
    // Clicks the page text until the screen closes; returns the captions shown after each click.
    QStringList readToEnd(Ev_frm& scene);

    // Characters 4 and 5, the two who may join at position 3.
    void putCompanions();

    bool wayAheadOpen() const;
};
