#include "story/OpeningScreen.h"

#include <QFile>
#include <QFont>

#include "core/Game.h"
#include "core/ScreenDataFiles.h"
#include "field/FieldScreen.h"
#include "platform/Label.h"
#include "platform/Layout.h"
#include "platform/PictureBox.h"
#include "worldmap/MapScreen.h"

namespace {
const QColor kNight{8, 10, 28};
const QColor kText{240, 236, 220};
// Only the first page is ever shown; the later ones are read and kept.
constexpr int kShownPage = 1;
constexpr int kLinesPerClick = 3;
constexpr int kLastLine = 20;
}  // namespace

OPEN_G::OPEN_G(Game& game) : Form(game.forms(), QStringLiteral("OPEN_G")), game_(game) {
    setWindowColours(*this, kNight, kText);
    Picture1 = new PictureBox(this);
    Picture1->setBackColor(kNight);
    Label1 = new Label(this);
    Label1->setTransparent(true);
    Label1->setForeColor(kText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setCursor(Qt::PointingHandCursor);
    QFont f = Label1->font();
    f.setPixelSize(22);
    Label1->setFont(f);
    connect(Label1, &Label::clicked, this, [this] { Label1_Click(); });
}

void OPEN_G::Form_Load() {
    setClientSize(800, 608);
    move(x() - 1, y() - 2);  // a little left and up of the centre
    Ctl_Set(Picture1, 760, 440, 16, 8);
    Ctl_Set(Label1, 736, 192, 32, 456);

    Load_Op();
    OpeningPage = kShownPage;
    if (OpeningPicture[OpeningPage].isBlank())
        Picture1->Cls();
    else
        Picture1->loadPicture(game_.dataFile(OpeningPicture[OpeningPage].text()));
    Label1->setCaption(threeLines(0));
    OpeningLine = 0;
}

void OPEN_G::Load_Op() {
    const QString path = game_.dataFile(QStringLiteral("s_f"));
    if (!QFile::exists(path)) return;
    ValueReader in = ValueReader::open(path);
    const OpeningData d = readOpeningData(in);
    if (!d.present) return;
    OpeningPicture = d.OpeningPicture;
    game_.state().OpeningText = d.OpeningText;
}

Value OPEN_G::line(int n) const {
    const auto& text = game_.state().OpeningText;
    if (n < text.lo2 || n > text.hi2) return {};
    return text(OpeningPage, n);
}

QString OPEN_G::threeLines(int first) const {
    QString shown;
    for (int n = first; n < first + kLinesPerClick; ++n) shown += line(n).text() + QChar(13);
    return shown;
}

void OPEN_G::Label1_Click() {
    if (!isLoaded()) return;
    OpeningLine += kLinesPerClick;
    Label1->setCaption(threeLines(OpeningLine));
    if (OpeningLine <= kLastLine && !line(OpeningLine).isBlank()) return;
    GameState& st = game_.state();
    if (st.TownMode == 1)
        game_.form<M_Map>().Show();
    else
        game_.form<Main_Fr>().Show();
    Unload();
}
