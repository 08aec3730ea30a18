#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <vector>

#include "battle/BattleScreen.h"
#include "support/GameTest.h"

// A battle ready to open: the small world's tables on disk (for a restart), generated picture
// sheets whose cells can be told apart by colour, ten bosses, a growth table, and in the state a
// party of four (characters 0..3 in positions 1..4) in place 1, whose enemy set holds the codes
// 0, 1, 37, 0, 1, 37, … Enemies: code 0 "スライム" (HP 10, power 8, defence 1, 5 exp), code 1
// "コウモリ" (HP 12, power 9, defence 2, 7 exp), code 37 "ゴースト" (HP 30, 20 exp); all roll 1.
class BattleTest : public GameTest {
  public:
    // Colour of the sheet cells as drawn, for telling cells apart on the view.
    static QColor foeCellColour(int col, int row);
    static QColor bossCellColour(int col, int row);
    static QColor portraitColour(int faceNo);
    static QColor effectCellColour(int col, int row);

  protected:
    BattleTest();

    // Character c joins with the given record values (no equipment: attack = strength,
    // defence = (vitality + agility) / 2).
    void addCharacter(int c, const QString& name, int classNo, int level, int maxHP, int strength,
                      int vitality, int agility, int faceNo);
    // Positions 1..n hold characters 0..n-1; PartyCount n.
    void partyOf(int n);

    // Draws that make a random group of `count` enemies with the enemy-set slots given (one per
    // enemy), for a party showing `shown` portraits.
    static std::vector<double> groupDraws(int count, const std::vector<int>& setSlots, int shown);
    void script(const std::vector<double>& draws);

    // Opens the battle screen (without waiting) after scripting the draws for the party as it is.
    sentou& openRandom(int count, const std::vector<int>& setSlots);
    sentou& openBoss(int bossNo);
    sentou& screen() { return game->form<sentou>(); }

    // Clicks the centre of enemy i of the current group.
    void clickEnemy(int i);

    QColor viewPixel(QPoint p);
    // Centre of enemy i's picture on the view.
    QPoint foeCentre(int i);

    static const QColor kBackground;
    static const QColor kMarker;
};

// The number of blows a message tells the party took.
int hitsTaken(const QString& message);
