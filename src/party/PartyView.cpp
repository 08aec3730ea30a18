#include "party/PartyView.h"

#include <algorithm>

#include "core/GameState.h"
#include "platform/PictureBox.h"

QPoint portraitCell(int faceNo) {
    const int lastDigit = ((faceNo % 10) + 10) % 10;
    const int column = lastDigit == 0 ? 9 : lastDigit - 1;
    return QPoint(column, faceNo / 11);
}

void drawPortrait(PictureBox& box, const QImage& sheet, int faceNo) {
    box.Cls();
    const QPoint cell = portraitCell(faceNo);
    box.bitBlt(0, 0, 96, 96, sheet, cell.x() * 96, cell.y() * 96, Rop::Copy);
    box.Refresh();
}

void drawSelectionFrame(PictureBox& box, QColor colour) {
    for (int k = 0; k <= 3; ++k) box.drawBox(k, k, 92 - k, 92 - k, colour);
    box.Refresh();
}

QColor ailmentColour(int ailment) {
    switch (ailment) {
        case 2:
            return QColor(255, 0, 255);
        case 3:
            return QColor(0, 255, 0);
        case 4:
            return QColor(255, 255, 0);
        case 5:
            return QColor(255, 255, 255);
        default:
            return QColor(0, 255, 255);
    }
}

QString ailmentName(int ailment) {
    switch (ailment) {
        case 2:
            return QStringLiteral("毒");
        case 3:
            return QStringLiteral("麻痺");
        case 4:
            return QStringLiteral("睡眠");
        case 5:
            return QStringLiteral("石化");
        default:
            return QStringLiteral("なし");
    }
}

AilmentShown showAilment(GameState& st, int pos, int character) {
    const int code = st.CharAilment[pos];
    AilmentShown shown{ailmentColour(code), ailmentName(code)};
    if (st.CharHP[character] < 1) {
        st.CharAilment[pos] = 6;
        shown = {downColour(), QStringLiteral("戦不")};
    }
    return shown;
}

int shownCount(const GameState& st) {
    int n = 4;
    if (st.PartyMember[4].isBlank()) n = 3;
    if (st.PartyMember[3].isBlank()) n = 2;
    return n;
}

int memberLimit(const GameState& st) {
    return std::min(st.PartyCount, 4);
}
