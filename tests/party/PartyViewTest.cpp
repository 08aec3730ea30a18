#include <gtest/gtest.h>

#include <memory>

#include "core/GameState.h"
#include "party/PartyView.h"
#include "platform/PictureBox.h"

TEST(PartyView, PortraitCellsFollowTheSheetRule) {
    EXPECT_EQ(portraitCell(1), QPoint(0, 0));
    EXPECT_EQ(portraitCell(9), QPoint(8, 0));
    EXPECT_EQ(portraitCell(10), QPoint(9, 0));  // a last digit 0 takes column 9
    EXPECT_EQ(portraitCell(11), QPoint(0, 1));
    EXPECT_EQ(portraitCell(20), QPoint(9, 1));
    EXPECT_EQ(portraitCell(23), QPoint(2, 2));
}

TEST(PartyView, PortraitAndFrameAreDrawnFromTheSheet) {
    QImage sheet(960, 288, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    for (int y = 96; y < 192; ++y)
        for (int x = 192; x < 288; ++x) sheet.setPixel(x, y, qRgb(10, 20, 30));  // cell (2, 1)
    PictureBox box;
    box.resize(96, 96);
    drawPortrait(box, sheet, 13);
    EXPECT_EQ(box.surface().pixel(50, 50) & 0xffffff, 0x0a141eu);
    drawSelectionFrame(box, QColor(255, 0, 0));
    EXPECT_EQ(box.surface().pixel(3, 40) & 0xffffff, 0xff0000u);
    EXPECT_EQ(box.surface().pixel(4, 40) & 0xffffff, 0x0a141eu);
}

TEST(PartyView, AMemberOutOfHitPointsIsShownDownAndMarkedSix) {
    auto state = std::make_unique<GameState>();  // too big for the stack
    GameState& st = *state;
    st.CharAilment[2] = 3;
    st.CharHP[5] = 10;
    AilmentShown shown = showAilment(st, 2, 5);
    EXPECT_EQ(shown.name, QStringLiteral("麻痺"));
    EXPECT_EQ(shown.colour, QColor(0, 255, 0));
    st.CharHP[5] = 0;
    shown = showAilment(st, 2, 5);
    EXPECT_EQ(shown.name, QStringLiteral("戦不"));
    EXPECT_EQ(st.CharAilment[2], 6);
    // A code of 6 with hit points back is shown as no ailment.
    st.CharHP[5] = 4;
    EXPECT_EQ(showAilment(st, 2, 5).name, QStringLiteral("なし"));
}

TEST(PartyView, ShownCountStopsAtTheFirstEmptyActivePosition) {
    auto state = std::make_unique<GameState>();
    GameState& st = *state;
    st.PartyMember[1] = 0;
    st.PartyMember[2] = 1;
    EXPECT_EQ(shownCount(st), 2);
    st.PartyMember[3] = 4;
    EXPECT_EQ(shownCount(st), 3);
    st.PartyMember[4] = 5;
    EXPECT_EQ(shownCount(st), 4);
    st.PartyMember[3] = Value();  // an empty third position wins over a filled fourth
    EXPECT_EQ(shownCount(st), 2);
    st.PartyCount = 6;
    EXPECT_EQ(memberLimit(st), 4);
}
