#pragma once

#include <QTimer>
#include <array>
#include <memory>

#include "field/FieldCanvas.h"
#include "field/FieldEvents.h"
#include "field/MapLoad.h"
#include "platform/Form.h"

class FastFieldCanvas;
class Game;
class Label;
class PictureBox;
class PictureButton;
class QAction;
class QMenu;
class QMenuBar;

// The field screen: the party walks through the places below the world map (forests, caves,
// towers), one cell per tick of its movement timer, bumping into event cells that it reads and
// steps back from: stairs, chests, blocks, bosses, buildings, scenes. Random battles are rolled
// while it moves. Four buttons and two menus open the party menus and the save screen.
//
// The movement and event rules live in FieldMoves and FieldEvents; this class holds the controls,
// the screen's own variables, and opens the other screens.
class Main_Fr : public Form {
  public:
    explicit Main_Fr(Game& game);
    ~Main_Fr() override;

    // --- Controls, named as in the screen design --------------------------------------------
    QMenuBar* MenuBar;
    QMenu* File01;  // ファイル: Load, End
    QAction* Load01;
    QAction* End01;
    QMenu* Com01;  // コマンド: アイテム, 魔法, ステータス
    QAction* Im01;
    QAction* Mh01;
    QAction* St01;
    QWidget* Client;                           // the 800 × 600 area below the menus
    PictureBox* M2_Map;                        // the view; keys and mouse act on it
    PictureBox* Picture5;                      // strip holding the buttons
    std::array<PictureButton*, 4> Command1{};  // item, magic, status, save
    Label* Label1;                             // field messages
    QTimer Timer1;                             // the movement tick, every 150 ms
    // The back buffer of the view (drawn from the tile sheets, party sprite and light pictures
    // loaded when the screen opens).
    FieldPictures Pictures;

    // --- Event handlers (view pixels for the mouse, Qt key codes for keys) ------------------
    void Command1_Click(int index);
    void Load01_Click();
    void End01_Click();
    void Im01_Click();
    void Mh01_Click();
    void St01_Click();
    void M2_Map_KeyDown(int key);
    void M2_Map_KeyUp(int key);
    void M2_Map_MouseDown(int x, int y);
    void M2_Map_MouseUp(int x, int y);
    void Timer1_Timer();

    // Composes the view around the party and shows it; while the party is trying to move in a
    // place with battles, then runs the party check and encounter roll.
    void Map_Make();
    // Loads MapFileName with its lasting changes and stairs table (also for a loaded game).
    void map_load1();
    // The party check and the encounter roll.
    void chk03();
    // Reads the sheets, the field tables and the current map from disk again and redraws
    // (test-play's F5); the party stays where it stands.
    void reloadFromDisk();

    // The screen's own variables, for the tests and the save screen.
    int walkFrame() const { return WalkFrame; }
    int facing() const { return Facing; }
    int mouseDir() const { return MouseDir; }
    FieldMapState& mapState() { return field_; }
    FieldEventState& eventState() { return events_; }

  protected:
    void applyDesign() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

  private:
    void m_chk01();
    void m_chk02();
    void Event1();
    void kotei_set();
    void mati_set();
    void Set_Cl();
    void takara();
    void storyScene();
    void showMessage(const QString& text);

    Game& game_;
    std::unique_ptr<FastFieldCanvas> canvas_;

    // The screen's own variables; they start empty each time the screen opens.
    int WalkFrame = 0;
    int Facing = 0;
    int MouseDir = 0;
    FieldMapState field_;
    FieldEventState events_;
    // Set while a tick runs: a tick never starts inside another (behind a message box it
    // raised, say).
    bool ticking_ = false;
    // How many times the screen has opened: a save point's load can open it afresh while one of
    // its ticks is still running.
    int Openings = 0;
};
