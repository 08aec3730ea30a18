// The inn, the tavern and the church on the shop screen's counter.

#include <QGroupBox>
#include <QListWidget>

#include "core/Game.h"
#include "party/PartyView.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "save/SaveScreen.h"
#include "worldmap/FacilityRules.h"
#include "worldmap/ShopScreen.h"

void mise::yadoya() {
    GameState& st = game_.state();
    Label5->setCaption(QStringLiteral("宿　　　屋"));
    Frame1->hide();
    const Value& pricePerPerson = st.BuildingA(st.ShopNo, 1);
    showMessage(facilitytext::innWelcome(pricePerPerson));
    // The inn quotes at once: there is nothing to choose.
    QuotedPrice = Value(innCharge(st, pricePerPerson));
    QuoteStands = true;
}

void mise::fillFixedList(const FixedLine* lines, int count, int looked) {
    for (int k = 1; k <= count; ++k) {
        LineName[k] = lines[k - 1].name;
        LinePrice[k] = lines[k - 1].price;
    }
    for (int k = 1; k <= looked && !LineName[k].isEmpty(); ++k) List2->addItem(LineName[k]);
}

void mise::sakaba() {
    Frame1->hide();
    Label5->setCaption(QStringLiteral("酒　　　場"));
    showMessage(shoptext::kWelcome);
    List2->clear();
    fillFixedList(kTavernDrinks, 4, 100);
    drawPatrons();
}

void mise::drawPatrons() {
    const GameState& st = game_.state();
    for (int seat = 1; seat <= 4 && !st.BuildingA(st.ShopNo, seat).isBlank(); ++seat) {
        PictureBox& box = *Picture2[seat - 1];
        box.show();
        box.Cls();
        const long long speaker = st.BuildingB(st.ShopNo, seat).toInt();
        const long long face = st.TalkHead(speaker, 4).toInt();
        // Patron faces are numbered by sheet row (tens) and column (last digit).
        box.bitBlt(0, 0, 96, 96, Picture4, static_cast<int>(face % 10) * 96,
                   static_cast<int>(face / 10) * 96, Rop::Copy);
        box.Refresh();
    }
}

void mise::Kaw_Set() {
    GameState& st = game_.state();
    drawPatrons();
    FrameColour = QColor(0, 255, 255);
    drawSelectionFrame(*Picture2[SelPos - 1], FrameColour);
    const int speaker = static_cast<int>(st.BuildingB(st.ShopNo, SelPos).toInt());
    showMessage(st.TalkLine(speaker, TalkIndex[SelPos]).text());
    TalkIndex[SelPos] = nextTalkIndex(st, speaker, TalkIndex[SelPos]);
}

void mise::Kyoukai() {
    Frame1->hide();
    Label5->setCaption(QStringLiteral("教　　　会"));
    showMessage(facilitytext::kChurchWelcome);
    List2->clear();
    fillFixedList(kChurchServices, 3, 5);
    Ca_Set01();
}

// The church serves the member whose portrait is selected. CurChar is not asked: the save
// screen opened from the church puts the leader back into it.
int mise::selectedMember() const {
    return static_cast<int>(game_.state().PartyMember[SelPos].toInt());
}

void mise::Kyoukai2() {
    GameState& st = game_.state();
    if (ListPick == 0) {
        // When the save screen closes, this screen is activated again and the church starts over.
        st.SaveAllowed = 1;
        game_.form<System_F>().Show(true);
        return;
    }
    const QString request = churchRequest(st, ListPick, SelPos, selectedMember());
    if (!request.isEmpty()) showMessage(request);
}

void mise::Kyoukai3() {
    GameState& st = game_.state();
    if (ListPick != 1 && ListPick != 2) return;
    if (!churchService(st, ListPick, SelPos, selectedMember())) {
        showMessage(facilitytext::kChurchNoMoney);
        return;
    }
    showMoney();
}
