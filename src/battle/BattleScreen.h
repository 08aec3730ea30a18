#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

#include "core/Bounded.h"
#include "core/ScreenDataFiles.h"
#include "platform/Form.h"

class Game;
struct GameState;
class Label;
class PictureBox;
class PictureButton;

// The battle screen: one turn-based fight of the party against a random group (up to six) or a
// boss. The field opens it with waiting, with BossNo 0 for a random group or the boss's row of
// "Bos_F" (1..10); the screen closes itself on victory, flight or defeat.
//
// The object lives for the whole run and its own state (the enemy slots, the selected target, the
// marker…) carries over from one battle to the next: the opening resets only what it sets, so a
// target chosen in one battle is still chosen when the next one opens.
//
// The work is spread over four files: the opening and drawing (BattleScreen.cpp), the round of
// commands and the enemy phase (BattleRound.cpp), magic, items, special attacks and equipment
// effects (BattleSpells.cpp), and the outcome (BattleEnd.cpp).
class sentou : public Form {
  public:
    explicit sentou(Game& game);

    // --- Controls ----------------------------------------------------------------------------
    PictureBox* Picture1;                    // battle view; a press picks the target
    Label* Label2;                           // message line
    PictureBox* Picture2;                    // command panel
    std::array<PictureButton*, 6> Command1;  // fight, item, magic, flee, defend, status
    std::array<PictureBox*, 4> Picture5;     // portraits of positions 1..4
    std::array<Label*, 8> Label3;            // "HP: " of positions 1..4, then "MP: "
    // Name and HP rows: 0 holds the headings, 1..6 the enemies (row 6 serves a sixth enemy).
    std::array<Label*, 7> Label1;
    std::array<Label*, 7> Label4;

    // Picture sources: enemy sheet and mask, portrait sheet, boss sheet and mask, target marker
    // and mask, spell-effect sheet and mask.
    QImage Picture3, Picture4, Picture6;
    // The battle background as loaded: an enemy's square is painted afresh from it before the
    // enemy is drawn, so a hit or defeated pose never shows over the remains of another pose.
    QImage BackPicture;
    std::array<QImage, 2> Picture7, Picture8, Picture9;

    // --- Screen state (kept between battles) ------------------------------------------------
    // Enemy slots 1..10, 1..EnemyCount in use.
    Array1<int, 0, 10> FoeCode, FoeHP, FoePower, FoeDefence, FoeMagicDefence, FoeExp;
    Array1<QString, 0, 10> FoeName;
    Array1<int, 0, 10> FoeCol, FoeRow0, FoeRow, FoeSlot;
    Array1<int, 0, 10> TargetOf;  // by party position: the enemy it attacks

    int ActorPos = 0;  // party position whose command is awaited
    int Action = 0;    // 1 fight, 2 item, 3 magic, 0 none
    int SelectedTarget = 0;
    int HitCode = 0;  // layout code of the enemy clicked last
    int MarkerSlot = 0;
    int SavedDefence = 0;
    int EffectPending = 0, EffectCol = 0, EffectRow = 0;
    int FoeHPTotal = 0, ExpTotal = 0;
    int GuardCode = 0, AttackBonus = 0, DefenceBonus = 0, MagicDefenceBonus = 0;
    int MemberLimit = 0, ShownCount = 0;
    BossTable Bosses;               // re-read at every opening
    std::vector<int> MarkersDrawn;  // marker slots drawn in this battle
    int BossAttack = 0;             // random part of the boss's blow (see Bos_Set)

    // --- Events ------------------------------------------------------------------------------
    void Command1_Click(int index);
    void Picture1_MouseDown(int x, int y);

    // --- Opening and drawing -----------------------------------------------------------------
    void Bos_Load();
    void enp_set();
    void Bos_Set();
    void Eg_Set();   // enemies, their rows and labels
    void Eg1_Set();  // hit animation after a blow of the party
    void sx1();      // target marker
    void Ca_Set();   // portraits and the frame of the actor

    // --- Round ---------------------------------------------------------------------------------
    void Sent_Set1();
    void kougekix();
    void tatakai();
    // --- Magic, items, special attacks and equipment effects -------------------------------
    void item1();
    void mahou();
    void Mhou_ko();  // an attack spell on one enemy or on all of them
    void MCg_Set();  // a spell's picture on the party portraits
    void KG_Set();
    void Tokusyu(int foe, int pos);

    // --- Outcome -------------------------------------------------------------------------------
    void Syori_a();
    void Chk01();

    // The line break inside a message.
    static constexpr QChar kLineBreak{13};
    // Told when a blow or a spell on one enemy has no standing enemy to go to.
    static inline const QString kNoTarget = QStringLiteral("攻撃対象を指定してください");

    // Pauses that hold a picture long enough to see it.
    static constexpr int kHitPauseMs = 350;
    static constexpr int kVictoryPauseMs = 1200;

  protected:
    // A battle ends by victory, flight or defeat only: the window's close button does nothing
    // (closing it would be a way out of every battle, a boss's included).
    void closeEvent(QCloseEvent* e) override;
    void applyDesign() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

  private:
    GameState& st();
    // The character standing in party position pos (an empty position reads as 0).
    int member(int pos);
    bool bossBattle();
    // Whether t is an enemy of this group still standing (a blow or a spell on one enemy needs
    // one).
    bool targetStands(int t);
    // The random part of enemy i's blow: its record's attack value, or the boss's own.
    int foeAttack(int i);
    void setMessage(const QString& text);
    void placeFoes();
    void drawFoe(int i);
    void drawBoss(int row);
    static QRect markerRect(int slot);
    void drawMarker(int slot);
    void repaintBackground(const QRect& r);
    void fleeCommand();

    Game& game_;
};
