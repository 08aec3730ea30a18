#include "save/SaveSlots.h"

#include <QFile>

#include "core/DataLoad.h"
#include "core/GameError.h"
#include "core/GameState.h"
#include "core/LineValueReader.h"
#include "core/Text.h"
#include "core/ValueWriter.h"
#include "field/MapFile.h"
#include "field/MapLoad.h"
#include "party/CharacterRules.h"
#include "save/SaveFile.h"

namespace {
const QString kFreeMark = QStringLiteral("未登録");
}  // namespace

QString slotFileName(int slot) {
    return QStringLiteral("use") + QString::number(slot);
}

QString slotLabelFileName() {
    return QStringLiteral("usex");
}

QString henkan(int slot) {
    // The full-width digits follow one another from "０" on.
    return QString(QChar(u'０' + slot)) + QStringLiteral("．");
}

QString freeSlotLabel(int slot) {
    return QStringLiteral(" ") + henkan(slot) + kFreeMark;
}

bool isFreeSlotLabel(const QString& label) {
    return label.endsWith(kFreeMark);
}

QString savedSlotLabel(const GameState& st) {
    const int c = st.CurChar;
    return QStringLiteral(" ") + st.MapFileName + QStringLiteral("   ") +
           trimSpaces(st.CharacterTable[c].CharName) + QStringLiteral("  Lv ") +
           QString::number(st.CharLevel[c]);
}

void readSlotLabels(GameState& st) {
    for (int slot = 1; slot <= kSlotCount; ++slot) st.SlotLabel[slot] = freeSlotLabel(slot);
    QFile f(st.DataPath + slotLabelFileName());
    if (!f.open(QIODevice::ReadOnly)) return;
    LineValueReader in(f.readAll(), slotLabelFileName());
    try {
        for (int slot = 1; slot <= kSlotCount && !in.atEnd(); ++slot)
            st.SlotLabel[slot] = QStringLiteral(" ") + in.readValue().text();
    } catch (const GameError&) {
        // An unclosed quote: the slots from here on stay free.
    }
}

void writeSlotLabels(const GameState& st) {
    ValueWriter out;
    // A label is kept without its leading space: the screen puts one in front of every label
    // it reads.
    for (int slot = 1; slot <= kSlotCount; ++slot)
        out.writeLine(Value(trimLeadingSpaces(st.SlotLabel[slot])));
    out.saveTo(st.DataPath + slotLabelFileName());
}

void writeSavedGame(const GameState& st, int slot) {
    writeFileAtomically(st.DataPath + slotFileName(slot), saveFileBytes(st));
    writeSlotLabels(st);
}

StagedGame stageSavedGame(const GameState& live, int slot) {
    const QString name = slotFileName(slot);
    QFile file(live.DataPath + name);
    if (!file.open(QIODevice::ReadOnly))
        return {nullptr, name + QStringLiteral(": the saved game is missing")};
    const QByteArray bytes = file.readAll();

    auto staged = std::make_unique<GameState>(live);
    GameState& st = *staged;
    Map_Clear(st);
    Data_LoadAll(st);
    try {
        readSaveFile(bytes, name, st);
        for (int p = 1; p <= 4; ++p) {
            st.CurChar = static_cast<int>(st.PartyMember[p].toInt());
            st.CharLevel[st.CurChar] = st.CharacterTable[st.CurChar].Level;
            Ca_Calc(st);
        }
        putMapIntoGrids(st, readMapFile(st.DataPath + st.MapFileName));
        replayMapChanges(st);
    } catch (const GameError& e) {
        return {nullptr, e.report()};
    }
    st.CurChar = static_cast<int>(st.PartyMember[1].toInt());
    st.BgmFile = regainBgmQuotes(st.BgmFile, st.DataPath);
    return {std::move(staged), QString()};
}
