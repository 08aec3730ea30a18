#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

#include "FieldPath.h"
#include "support/GameTest.h"

class Main_Fr;
class M_Map;
class mise;
class sentou;

// A player for the sample world: starts the real program on a copy of the generated world and
// plays it through the screens' own handlers — clicks, key presses and timer ticks — the way a
// person at the keyboard would. Screens shown with waiting are played through the fixture's show
// hooks; random draws come from the scripted platform's fixed sequence, so every run is the same.
class PlayThrough : public GameTest {
  protected:
    void SetUp() override;

    // One step of the play-through. Every failure inside names the step; once a step has failed
    // fatally (or the game raised an error) the story cannot go on and later steps are skipped.
    void step(const QString& name, const std::function<void()>& body);

    // --- The party ------------------------------------------------------------------------------
    int member(int position);
    QString nameOf(int character);
    int leaderLevel();
    // How many of the inventory's entries hold item (or equipment) `code` (items count from 101).
    int carried(int code);
    int itemNo(const QString& name);
    int equipNo(const QString& name);

    // --- The overhead map and the towns
    // -----------------------------------------------------------
    M_Map& overhead();
    // Scrolls the view with the arrow keys until hot spot (kind, number) is in view and points at
    // it; returns what the name label then says.
    QString pointAt(int kind, int number);
    // Points at the hot spot and clicks it.
    void clickSpot(int kind, int number);
    // Enters facility `shopNo` of the town on view, lets `inside` act at its counter and leaves by
    // "外に出る".
    void visit(int shopNo, const std::function<void(mise&)>& inside);
    // Buys `quantity` of the ware named `ware` on the open shop screen.
    void buy(mise& shop, const QString& ware, int quantity = 1);
    // Equips the piece named `piece` on the character at party position `position` through the
    // item screen opened by `openItemScreen`.
    void equip(const std::function<void()>& openItemScreen, const QString& piece, int position);

    // Puts the best equipment the inventory holds on every front member.
    void outfit(const std::function<void()>& openItemScreen);
    void outfitOnField();

    // --- The field ------------------------------------------------------------------------------
    Main_Fr& field();
    QPoint party();
    QString mapName();
    // Walks to the nearest cell the goal accepts, one key press and movement tick per step, and
    // bumps into it when it is an event. The way is worked out again after every step, so random
    // battles, moved blocks and opened chests are taken as they come.
    // Returns the cell walked onto or bumped into.
    QPoint walkTo(const QString& what, const CellGoal& goal);
    // Walks to and fro beside the map's spring until the leader has reached `level`.
    void trainUntil(int level);
    // Heals hurt members with spells and herbs while something can.
    void tendParty();
    // Mends the party at the map's spring when one can be reached, else as tendParty does; a party
    // in a bad way (or not at its best before a boss) goes down a floor to a spring and back.
    void rest(bool beforeBoss = false);

    // --- Scenes
    // ----------------------------------------------------------------------------------- Clicks
    // through the scene on view to its end; returns the texts of its pages.
    QStringList readScene();
    // Bumps into the cell of scene n (told in full now) and reads it to its end.
    void tellScene(int n);

    // --- Battles
    // ----------------------------------------------------------------------------------
    struct Tally {
        int battles = 0;
        int bossBattles = 0;
        int blows = 0;
        int spells = 0;  // cast in battle
        int fieldSpells = 0;
        int items = 0;
        int levelUps = 0;
    };
    Tally tally;

    QString stepName;

  private:
    bool stopped_ = false;
    bool resting_ = false;

    template <class T>
    void keepDriving(std::function<void(T&)> fn) {
        onShow<T>([this, fn](T& screen) {
            keepDriving<T>(fn);
            fn(screen);
        });
    }
    void fight(sentou& battle);
    void takeTurn(sentou& battle);
    bool aimAtStandingFoe(sentou& battle);
    bool healInBattle(sentou& battle, int caster);
    bool cureInBattle(sentou& battle, int caster);
    bool attackSpell(sentou& battle, int caster);
    // Casts `spell` through the battle's magic command, on the ally at `targetPosition` (0 for a
    // spell aimed at the enemies); true when it took effect.
    bool castInBattle(sentou& battle, int spell, int targetPosition);
    bool useItemInBattle(sentou& battle, int itemCode, int targetPosition);
    void castOnField(int casterPosition, int spell, int targetPosition);
    void useItemOnField(int itemCode, int targetPosition);
    // The front position most in need of `spell`-like healing, 0 for none.
    int mostHurt(int percent);
    bool anyoneDown();
    // Someone down or badly hurt, or the party's magic running low.
    bool weak();
    // Someone below `percent` of full hit points, or of full magic among the spell casters.
    bool belowPeak(int percent);
    void tick(int dir);
};
