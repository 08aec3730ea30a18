#include "MenuFixture.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QMouseEvent>

#include "party/CharacterRules.h"
#include "party/PartyView.h"
#include "platform/PictureBox.h"

namespace {
QColor cellColour(int col, int row) {
    return QColor(40 + col * 20, 90 + row * 50, 200 - col * 10);
}

QByteArray portraitSheet() {
    QImage sheet(960, 288, QImage::Format_RGB32);
    for (int col = 0; col < 10; ++col)
        for (int row = 0; row < 3; ++row)
            for (int y = 0; y < 96; ++y)
                for (int x = 0; x < 96; ++x)
                    sheet.setPixel(col * 96 + x, row * 96 + y, cellColour(col, row).rgb());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    sheet.save(&buffer, "PNG");
    return bytes;
}

const char* const kNames[8] = {"アレン", "リナ",  "ゴードン", "ミア",
                               "控え4",  "控え5", "控え6",    "控え7"};
}  // namespace

QColor MenuTest::portraitColour(int faceNo) {
    const QPoint cell = portraitCell(faceNo);
    return cellColour(cell.x(), cell.y());
}

MenuTest::MenuTest() {
    data.writeBytes("ca02.bmp", portraitSheet());
    for (int c = 0; c < 8; ++c) {
        CharacterRecord& r = st().CharacterTable[c];
        r.CharNo = c <= 3 ? c : 5;
        r.CharName = QString::fromUtf8(kNames[c]).leftJustified(20, u' ');
        r.ClassName = QStringLiteral("旅人").leftJustified(20, u' ');
        r.ClassNo = c <= 3 ? c + 1 : 5;
        r.Level = 1;
        r.MaxHP = 60;
        r.MaxMP = 20;
        r.Strength = 10;
        r.Vitality = 6;
        r.Agility = 8;
        r.Intellect = 4;
        r.Dexterity = 7;
        r.Charm = 5;
        r.FaceNo = c + 1;
        rejoin(c);
    }
    partyOf(4);
    st().Gold = 120;
}

void MenuTest::partyOf(int n) {
    for (int k = 1; k <= 10; ++k) st().PartyMember[k] = k <= n ? Value(k - 1) : Value();
    st().PartyCount = n;
    st().CurChar = 0;
}

void MenuTest::rejoin(int c) {
    st().CurChar = c;
    Ca_Join(st());
    st().CurChar = 0;
}

void MenuTest::stock(int entry, const Value& code) {
    st().InvItem[entry] = code;
    st().InvPower[entry] = Value(0);
    countStock();
}

void MenuTest::countStock() {
    int n = 0;
    for (const Value& v : st().InvItem)
        if (!v.isBlank()) ++n;
    st().ItemCount = n;
}

void MenuTest::click(QWidget& control) {
    const QPointF at(control.width() / 2.0, control.height() / 2.0);
    const QPointF global = control.mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&control, &press);
    QApplication::sendEvent(&control, &release);
}

QColor MenuTest::pixel(PictureBox& box, int x, int y) {
    return QColor(box.surface().pixel(x, y));
}
