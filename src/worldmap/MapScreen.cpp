#include "worldmap/MapScreen.h"

#include <QFont>

#include "core/Game.h"
#include "core/Music.h"
#include "core/NewGame.h"
#include "field/FieldScreen.h"
#include "field/MapFile.h"
#include "field/MapLoad.h"
#include "party/ItemScreen.h"
#include "party/MagicScreen.h"
#include "party/MenuButtons.h"
#include "party/StatusScreen.h"
#include "platform/Label.h"
#include "platform/Layout.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "save/SaveScreen.h"
#include "story/SceneScreen.h"
#include "worldmap/MapPointer.h"
#include "worldmap/ShopScreen.h"

namespace {
// Where a new game shows the world map first.
constexpr int kNewGameScrollX = 35;
constexpr int kNewGameScrollY = 0;
const QString kShrineMap = QStringLiteral("Sinden001");
const QString kWorldMapFile = QStringLiteral("Map_f01.map");
constexpr int kShrineScene = 8;
}  // namespace

M_Map::M_Map(Game& game) : Form(game.forms(), QStringLiteral("Main_Map")), game_(game) {
    Picture1 = new PictureBox(this);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture5 = new PictureBox(this);
    Picture5->setBackColor(QColor(24, 24, 48));
    for (int i = 0; i < 4; ++i) {
        Command1[i] = new PictureButton(Picture5);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    Label1 = new Label(this);
    Label1->setWordWrap(false);
    Label1->setBackColor(QColor(0, 0, 0));
    Label1->setMargin(2);
    // The name tag must not catch the pointer: the view under it stays the one pointed at.
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont f = Label1->font();
    f.setPixelSize(14);
    f.setBold(true);
    Label1->setFont(f);
    Label1->setForeColor(QColor(255, 255, 255));

    Timer1.setInterval(200);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(Picture1, &PictureBox::keyDown, this, [this](int key) { Picture1_KeyDown(key); });
    connect(Picture1, &PictureBox::keyUp, this, [this](int key) { Picture1_KeyUp(key); });
    connect(Picture1, &PictureBox::mouseDown, this,
            [this](Qt::MouseButton, int x, int y) { Picture1_MouseDown(x, y); });
    connect(Picture1, &PictureBox::mouseUp, this,
            [this](Qt::MouseButton, int x, int y) { Picture1_MouseUp(x, y); });
    connect(Picture1, &PictureBox::mouseMove, this,
            [this](int x, int y) { Picture1_MouseMove(x, y); });
    connect(Picture1, &PictureBox::clicked, this, [this] { Picture1_Click(); });
}

void M_Map::applyDesign() {
    Label1->setCaption(QString());
    Label1->hide();
}

void M_Map::Form_Load() {
    GameState& st = game_.state();
    setClientSize(800, 600);  // the view's last 8 pixel rows lie below the window's edge
    Ctl_Set(Picture1, kWorldViewWidth, kWorldViewHeight, 0, 0);
    Ctl_Set(Picture5, 160, 40, 628, 0);
    Picture5->Cls();
    placeMenuButtons(Command1, st.DataPath);
    Picture5->raise();
    Label1->raise();

    Picture3 = loadWorldSheets(st.DataPath);
    ScrollX = static_cast<int>(st.StackX[0].toInt());
    ScrollY = static_cast<int>(st.StackY[0].toInt());
    if (st.NewGameFlag == 1) {
        New_Game(st);
        ScrollX = kNewGameScrollX;
        ScrollY = kNewGameScrollY;
    }
    st.BgmFile = st.PlaceBgm[0].text();
    Map_Load2();
    view2();
    Timer1.start();
}

void M_Map::Form_Activate() {
    Picture1->setFocus();
    Bgm_Open(game_);
    Bgm_Loop(game_);
}

void M_Map::Form_Unload() {
    Timer1.stop();
}

void M_Map::reloadFromDisk() {
    WorldSheets sheets = loadWorldSheets(game_.state().DataPath);
    Map_Load2();
    Picture3 = std::move(sheets);
    view2();
}

void M_Map::Map_Load2() {
    GameState& st = game_.state();
    const MapFileData map = readMapFile(game_.dataFile(st.MapFileName));
    Map_Clear(st);
    putMapIntoGrids(st, map);
}

void M_Map::view2() {
    if (::view2(game_.state(), Picture3, ScrollX, ScrollY, Picture1->surface()))
        Picture1->Refresh();
}

void M_Map::Picture1_KeyDown(int key) {
    if (const auto dir = scrollForKey(key)) ScrollDir = *dir;
}

void M_Map::Picture1_KeyUp(int) {
    ScrollDir = kScrollNone;
}

void M_Map::Picture1_MouseDown(int x, int y) {
    Label1->hide();
    Label1->setCaption(QString());
    fitLabel();
    PressQuadrant = pressQuadrant(x, y, PressQuadrant);
    ScrollDir = scrollForQuadrant(PressQuadrant);
}

void M_Map::Picture1_MouseUp(int, int) {
    ScrollDir = kScrollNone;
}

void M_Map::Timer1_Timer() {
    const GameState& st = game_.state();
    if (st.MapDepth >= 1) return;
    scrollStep(ScrollDir, st.MapSize, ScrollX, ScrollY);
    view2();
}

void M_Map::Picture1_MouseMove(int x, int y) {
    const GameState& st = game_.state();
    const int cx = viewCellOf(x), cy = viewCellOf(y);
    const int mx = ScrollX + cx, my = ScrollY + cy;
    const HotSpot spot =
        st.EventGrid.inRange(mx, my) ? readHotSpot(st.EventGrid(mx, my)) : HotSpot{};
    HoverKind = spot.kind;
    HoverNo = spot.number;
    if (HoverNo != 0) HotNo = HoverNo;
    if (HoverKind != 0) HotKind = HoverKind;

    Label1->show();
    Picture1->setCursor(HoverKind == 0 ? Qt::ArrowCursor : Qt::SizeAllCursor);
    if (const auto colour = placeNameColour(HoverNo, st.StoryProgress))
        Label1->setForeColor(*colour);

    switch (HoverKind) {
        case kPlaceSpot:
            placeLabel(cx, cy);
            Label1->setCaption(st.PlaceName[HotNo].text());
            break;
        case kWayOutSpot:
            placeLabel(cx, cy);
            Label1->setForeColor(QColor(255, 255, 255));
            Label1->setCaption(kWayOutName);
            break;
        case kFacilitySpot:
            placeLabel(cx, cy);
            Label1->setForeColor(QColor(255, 255, 255));
            if (const auto name = facilityName(HotNo)) BuildingName = *name;
            Label1->setCaption(BuildingName);
            break;
        default:
            break;  // the label stays where it was, with the last name
    }
    fitLabel();
    HoverKind = 0;
}

void M_Map::fitLabel() {
    // An empty caption shows nothing at all, not an empty tag.
    Label1->setTransparent(Label1->caption().isEmpty());
    Label1->adjustSize();
}

void M_Map::placeLabel(int cx, int cy) {
    Label1->move(cx * kWorldCell, cy * kWorldCell - 16);
}

void M_Map::Picture1_Click() {
    GameState& st = game_.state();
    Label1->setCaption(QString());
    fitLabel();
    if (HoverNo == 0) return;
    Bgm_Send(game_, bgm::kStop);
    Bgm_Send(game_, bgm::kCloseAll);
    const int n = HotNo;
    if (HotKind == kPlaceSpot && n < kFirstFieldPlace) {
        enterTown(n);
    } else if (HotKind == kPlaceSpot && st.PlaceMap[n].text() == kShrineMap) {
        // The shrine shows its story scene over the map; the music stays off meanwhile.
        st.EventCode = kShrineScene;
        game_.form<Ev_frm>().Show();
        return;
    } else if (HotKind == kPlaceSpot) {
        enterFieldMap(n);
        return;  // the field screen starts its own music
    } else if (HotKind == kWayOutSpot) {
        backToWorldMap();
    } else if (HotKind == kFacilitySpot) {
        st.ShopNo = n;
        game_.form<mise>().Show(true);
    }
    // The place's music starts from the beginning (after a visit, the town's music again).
    Bgm_Open(game_);
    Bgm_Send(game_, bgm::kPlay);
}

void M_Map::enterTown(int place) {
    GameState& st = game_.state();
    st.MapFileName = st.PlaceMap[place].text() + QStringLiteral(".map");
    st.InTown = static_cast<int>(st.PlaceKind[place].toInt());
    Map_Load2();
    st.MapDepth = 0;
    st.StackBgm[0] = Value(st.BgmFile);  // the world's music, for the way back
    WorldScrollX = ScrollX;
    WorldScrollY = ScrollY;
    st.MapX = ScrollX;
    st.MapY = ScrollY;
    ScrollX = 0;
    ScrollY = 0;
    view2();
    HotKind = 0;
    st.BgmFile = st.PlaceBgm[place].text();
}

void M_Map::backToWorldMap() {
    GameState& st = game_.state();
    st.MapFileName = kWorldMapFile;
    st.MapDepth = 0;
    Map_Load2();
    st.BgmFile = st.StackBgm[0].text();
    // A screen made while a town was on view has no remembered world position: the town entry
    // stored it in MapX and MapY.
    ScrollX = WorldScrollX.value_or(st.MapX);
    ScrollY = WorldScrollY.value_or(st.MapY);
    view2();
}

void M_Map::enterFieldMap(int place) {
    GameState& st = game_.state();
    st.StackMap[0] = Value(st.MapFileName);
    st.StackX[0] = Value(ScrollX);
    st.StackY[0] = Value(ScrollY);
    st.MapFileName = st.PlaceMap[place].text() + QStringLiteral(".map");
    st.MapX = static_cast<int>(st.PlaceEntry(place, 0).toInt());
    st.MapY = static_cast<int>(st.PlaceEntry(place, 4).toInt());
    st.InTown = static_cast<int>(st.PlaceKind[place].toInt());
    st.EventCode = place;
    st.CurPlace = place;
    st.MapDepth = 1;
    // The field screen takes over, with the place's music.
    Unload();
    game_.form<Main_Fr>().Show();
}

void M_Map::Command1_Click(int index) {
    GameState& st = game_.state();
    st.MoveDir = 0;
    switch (index) {
        case 0:
            game_.form<Item>().Show(true);
            // What the item did is told on the name tag, where the tag last stood.
            if (!st.MessageLines[3].isEmpty()) {
                Label1->setCaption(st.MessageLines[3]);
                fitLabel();
                Label1->show();
            }
            break;
        case 1:
            st.CurChar = static_cast<int>(st.PartyMember[1].toInt());
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
