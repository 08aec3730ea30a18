#include "field/FieldScreen.h"

#include <QFont>
#include <QMenuBar>
#include <cmath>

#include "battle/BattleScreen.h"
#include "battle/GameOverScreen.h"
#include "core/Game.h"
#include "core/Music.h"
#include "core/NewGame.h"
#include "field/FastFieldCanvas.h"
#include "field/FieldMoves.h"
#include "field/FieldView.h"
#include "party/CharacterRules.h"
#include "party/ItemScreen.h"
#include "party/MagicScreen.h"
#include "party/MenuButtons.h"
#include "party/MenuLook.h"
#include "party/StatusScreen.h"
#include "platform/Label.h"
#include "platform/Layout.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "save/SaveScreen.h"
#include "story/SceneScreen.h"
#include "story/TitleScreen.h"
#include "worldmap/MapScreen.h"
#include "worldmap/ShopScreen.h"

namespace {
constexpr int kClientWidth = 800;
constexpr int kClientHeight = 600;
constexpr int kTickMilliseconds = 150;

int whole(const Value& v) {
    return static_cast<int>(v.toInt());
}
}  // namespace

Main_Fr::Main_Fr(Game& game) : Form(game.forms(), QStringLiteral("Main_Fr")), game_(game) {
    setWindowTitle(QStringLiteral("星影の旅路"));
    MenuBar = new QMenuBar(this);
    File01 = MenuBar->addMenu(QStringLiteral("ファイル"));
    Load01 = File01->addAction(QStringLiteral("Load"));
    File01->addSeparator();
    End01 = File01->addAction(QStringLiteral("End"));
    Com01 = MenuBar->addMenu(QStringLiteral("コマンド"));
    Im01 = Com01->addAction(QStringLiteral("アイテム"));
    Mh01 = Com01->addAction(QStringLiteral("魔法"));
    St01 = Com01->addAction(QStringLiteral("ステータス"));
    connect(Load01, &QAction::triggered, this, [this] { Load01_Click(); });
    connect(End01, &QAction::triggered, this, [this] { End01_Click(); });
    connect(Im01, &QAction::triggered, this, [this] { Im01_Click(); });
    connect(Mh01, &QAction::triggered, this, [this] { Mh01_Click(); });
    connect(St01, &QAction::triggered, this, [this] { St01_Click(); });

    Client = new QWidget(this);
    M2_Map = new PictureBox(Client);
    M2_Map->setFocusPolicy(Qt::StrongFocus);
    Picture5 = new PictureBox(Client);
    Picture5->setBackColor(menulook::kPanel);
    for (int i = 0; i < 4; ++i) {
        Command1[i] = new PictureButton(Picture5);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    Label1 = new Label(Client);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setMargin(12);
    // A press on the message reaches the view under it: it hides the message and walks.
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->setBackColor(menulook::kWindow);
    Label1->setForeColor(menulook::kText);
    QFont f = Label1->font();
    f.setPixelSize(18);
    Label1->setFont(f);

    Timer1.setInterval(kTickMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(M2_Map, &PictureBox::keyDown, this, [this](int key) { M2_Map_KeyDown(key); });
    connect(M2_Map, &PictureBox::keyUp, this, [this](int key) { M2_Map_KeyUp(key); });
    connect(M2_Map, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton, int x, int y) { M2_Map_MouseDown(x, y); });
    connect(M2_Map, &PictureBox::mouseUp, this,
            [this](Qt::MouseButton, int x, int y) { M2_Map_MouseUp(x, y); });
}

Main_Fr::~Main_Fr() = default;

void Main_Fr::applyDesign() {
    Label1->setCaption(QString());
    Label1->hide();
}

void Main_Fr::Form_Load() {
    GameState& st = game_.state();
    // The menus sit above the 800 × 600 client area, as a window's menu bar does.
    const int menuHeight = MenuBar->sizeHint().height();
    setClientSize(kClientWidth, kClientHeight + menuHeight);
    Ctl_Set(MenuBar, kClientWidth, menuHeight, 0, 0);
    Ctl_Set(Client, kClientWidth, kClientHeight, 0, menuHeight);
    Ctl_Set(M2_Map, kViewWidth, kViewHeight, 0, 0);  // the last 8 rows lie below the edge
    Ctl_Set(Picture5, 160, 40, 628, 0);
    Picture5->Cls();
    placeMenuButtons(Command1, st.DataPath);
    Ctl_Set(Label1, kViewWidth, 128, 0, 480);
    Picture5->raise();
    Label1->raise();

    game_.platform().randomize();
    Pictures = loadFieldPictures(st.DataPath);
    canvas_ = std::make_unique<FastFieldCanvas>(Pictures);
    st.MoveDir = 0;
    WalkFrame = Facing = MouseDir = 0;
    ++Openings;
    field_ = FieldMapState{};
    events_ = FieldEventState{};

    if (st.TownMode == 0) {
        New_Game(st);
        Ev_Load(game_, events_);
        map_load1();
    } else {
        Ev_Load(game_, events_);
        map_load1();
        // A game saved without a position starts at the entry of its place.
        if (st.MapX <= 0) {
            st.MapX = whole(st.PlaceEntry(st.EventCode, 0));
            st.MapY = whole(st.PlaceEntry(st.EventCode, 4));
        }
        st.EncounterRate = whole(st.PlaceEncounter[st.CurPlace]);
        st.BattleBack = st.PlaceBattleBack[st.CurPlace].text();
        st.BgmFile = st.PlaceBgm[st.CurPlace].text();
    }
    Map_Make();
    if (isLoaded()) Timer1.start();
}

void Main_Fr::Form_Activate() {
    M2_Map->setFocus();
    Bgm_Open(game_);
    Bgm_Loop(game_);
}

void Main_Fr::Form_Unload() {
    Timer1.stop();
    Bgm_Send(game_, bgm::kStop);
    Bgm_Send(game_, bgm::kCloseAll);
}

void Main_Fr::reloadFromDisk() {
    FieldPictures pictures = loadFieldPictures(game_.state().DataPath);
    FieldEventState events = events_;
    Ev_Load(game_, events);
    map_load1();
    Pictures = std::move(pictures);
    canvas_ = std::make_unique<FastFieldCanvas>(Pictures);
    events_ = events;
    Map_Make();
}

void Main_Fr::map_load1() {
    ::map_load1(game_, field_);
}

void Main_Fr::Map_Make() {
    if (!canvas_) return;
    const bool roll =
        ::Map_Make(game_.state(), *canvas_, M2_Map->surface(), PartyPose{WalkFrame, Facing});
    M2_Map->Refresh();
    if (roll) chk03();
}

void Main_Fr::chk03() {
    GameState& st = game_.state();
    int total = 0;
    // An empty position reads as character 0, who then counts once more.
    for (int k = 1; k <= st.PartyCount; ++k) {
        const int hp = st.CharHP[whole(st.PartyMember[k])];
        if (hp > 0) total += hp;
    }
    if (total <= 0) {
        game_.form<G_End>().Show(true);
        // A restart has closed every screen already. A game-over window closed without a choice
        // leaves nothing to go on with: the game ends, as it does after a lost battle.
        if (isLoaded()) {
            game_.forms().unloadAll();
            game_.platform().endProgram(0);
        }
        return;
    }
    const int r = static_cast<int>(std::floor(game_.platform().rnd() * 100)) + 1;
    if (r > st.EncounterRate) return;
    st.MoveDir = 0;
    Timer1.stop();
    game_.form<sentou>().Show(true);
    if (isLoaded()) Timer1.start();
}

// --- Input -------------------------------------------------------------------------------------

void Main_Fr::M2_Map_KeyDown(int key) {
    Label1->hide();
    if (const auto heading = headingForKey(key)) {
        game_.state().MoveDir = heading->moveDir;
        Facing = heading->facing;
    }
}

void Main_Fr::M2_Map_KeyUp(int) {
    Label1->hide();
    game_.state().MoveDir = 0;
}

void Main_Fr::M2_Map_MouseDown(int x, int y) {
    Label1->hide();
    MouseDir = mouseDirection(x, y, MouseDir);
    const Heading heading = headingForMouse(MouseDir);
    game_.state().MoveDir = heading.moveDir;
    Facing = heading.facing;
}

void Main_Fr::M2_Map_MouseUp(int, int) {
    game_.state().MoveDir = 0;
}

// --- The movement tick ---------------------------------------------------------------------------

void Main_Fr::Timer1_Timer() {
    // No tick runs into another one (a tick waits behind the message boxes and screens its
    // events open) nor while a screen shown with waiting is over the field.
    if (ticking_ || !isLoaded() || !game_.forms().modalStack().empty()) return;
    struct Ticking {
        bool& flag;
        explicit Ticking(bool& f) : flag(f) { flag = true; }
        ~Ticking() { flag = false; }
    } ticking(ticking_);

    GameState& st = game_.state();
    if (st.TownMode == 1 && st.MapDepth < 1) return;
    stepParty(st, st.MoveDir);
    m_chk01();
    if (st.EventType >= 1) {
        m_chk02();
        const int opening = Openings;
        Event1();
        // The party left the field, the game restarted, or a loaded game opened the field anew:
        // this tick is over.
        if (!isLoaded() || Openings != opening) return;
    }
    WalkFrame = WalkFrame == 0 ? 1 : 0;
    Map_Make();
}

void Main_Fr::m_chk01() {
    GameState& st = game_.state();
    const EventCell cell = partyCell(st);
    st.EventType = cell.type;
    st.EventCode = cell.code;
}

void Main_Fr::m_chk02() {
    GameState& st = game_.state();
    bounceBack(st, {st.EventType, st.EventCode});
}

void Main_Fr::Event1() {
    GameState& st = game_.state();
    switch (st.EventType) {
        case kEntranceCell:
            ::map_set(game_, field_, [this] { Map_Make(); });
            break;
        case kFixedEventCell:
            kotei_set();
            break;
        case kBuildingCell:
            mati_set();
            break;
        case kStoryCell:
            if (st.EventCode <= kLastSceneCode)
                storyScene();
            else
                Set_Cl();
            break;
        case kTreasureCell:
            takara();
            break;
        default:
            break;
    }
}

void Main_Fr::kotei_set() {
    GameState& st = game_.state();
    switch (st.EventCode) {
        case kToWorldMap:
            // The field closes first, stopping its music, so that the overhead map's starts.
            Map_Set2(game_);
            Unload();
            game_.form<M_Map>().Show();
            break;
        case kBackOneDepth:
            map01_set(game_, field_);
            break;
        case kStairsUp:
        case kStairsDown:
            kaidan(game_, field_, events_);
            break;
        case kSwitch:
            swit(game_);
            break;
        case kDoor:
            tobira(st);
            break;
        case kFountain:
            fountain(game_);
            break;
        case kSavePoint:
            st.MoveDir = 0;
            st.SaveAllowed = 1;
            game_.form<System_F>().Show(true);
            break;
        default:
            break;  // 3 and 9: nothing
    }
}

void Main_Fr::mati_set() {
    GameState& st = game_.state();
    st.ShopNo = st.EventCode;
    st.MoveDir = 0;
    game_.form<mise>().Show(true);
}

void Main_Fr::storyScene() {
    // No tick may run into the scene while it opens; it keeps the direction and stops the party
    // itself.
    Timer1.stop();
    game_.form<Ev_frm>().Show();
    if (isLoaded()) Timer1.start();
}

void Main_Fr::Set_Cl() {
    GameState& st = game_.state();
    if (st.EventCode > kLastBlockCode) {
        st.BossNo = st.EventCode - kLastBlockCode;
        st.SavedDirection = st.MoveDir;
        st.MoveDir = 0;
        game_.form<sentou>().Show(true);
        // A lost battle's restart has closed every screen: the boss's cell belongs to the game
        // that was given up.
        if (!isLoaded()) return;
        // The party walks on the way it was going when the fight began (into the cleared cell
        // and beyond), until the player lets go of a key again.
        if (st.MoveDir == 0) st.MoveDir = st.SavedDirection;
        Cell_Clear(st);
        st.BossNo = 0;
        return;
    }
    if (const auto text = blockEvent(st, field_, events_.blocks, st.EventCode - kLastSceneCode))
        showMessage(*text);
}

void Main_Fr::takara() {
    const auto found = takara_set(game_, events_);
    if (!found) return;
    showMessage(found->message);
    if (found->opened) Map_Make();
}

void Main_Fr::showMessage(const QString& text) {
    Label1->setCaption(text);
    Label1->show();
    Label1->raise();
}

// --- Buttons and menus ---------------------------------------------------------------------------

void Main_Fr::Command1_Click(int index) {
    GameState& st = game_.state();
    st.MoveDir = 0;
    switch (index) {
        case 0:
            game_.form<Item>().Show(true);
            if (!st.MessageLines[3].isEmpty()) showMessage(st.MessageLines[3]);
            break;
        case 1:
            st.CurChar = whole(st.PartyMember[1]);
            game_.form<Magic>().Show(true);
            break;
        case 2:
            game_.form<Status>().Show(true);
            break;
        default:
            game_.form<System_F>().Show(true);
            break;
    }
}

void Main_Fr::Im01_Click() {
    game_.form<Item>().Show(true);
}

void Main_Fr::Mh01_Click() {
    game_.form<Magic>().Show(true);
}

void Main_Fr::St01_Click() {
    game_.form<Status>().Show(true);
}

void Main_Fr::Load01_Click() {
    game_.form<System_F>().Show(true);
}

void Main_Fr::End01_Click() {
    game_.form<Taitol>().Show();
    Unload();
}
