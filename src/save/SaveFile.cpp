#include "save/SaveFile.h"

#include <climits>
#include <cmath>

#include "core/GameState.h"
#include "core/LineValueReader.h"
#include "core/Text.h"
#include "core/ValueWriter.h"

namespace {
constexpr int kNameWidth = 20;
constexpr int kLastCharacter = 10;  // only characters 0..10 have a running state
constexpr int kLastEquipment = 100;

// Walks every saved value in file order. Writing and reading share it, so the two can never
// disagree about the order. State is GameState when reading and const GameState when writing.
template <class Io, class State>
void walkSavedGame(Io& io, State& st) {
    io.number(st.TownMode);
    io.number(st.EventGiftCount);
    io.number(st.InTown);
    io.number(st.SwitchKind);
    io.text(st.MapFileName);
    io.number(st.MapX);
    io.number(st.MapY);
    io.number(st.EncounterRate);
    io.text(st.BattleBack);
    io.text(st.BgmFile);
    io.count(st.CurPlace, 100, "a place number 0..100");
    io.number(st.StoryProgress);
    io.number(st.Gold);
    io.number(st.SwitchDone);
    io.number(st.Lighting);
    io.count(st.PartyCount, 10, "a party count 0..10");

    for (int p = 1; p <= st.PartyCount; ++p) {
        io.member(st.PartyMember[p]);
        const int c = static_cast<int>(st.PartyMember[p].toInt());  // empty: character 0
        auto& record = st.CharacterTable[c];
        io.number(st.CharExp[c]);
        io.number(st.CharHP[c]);
        io.number(st.CharMP[c]);
        io.number(record.Level);
        io.fixedText(record.CharName);
        io.fixedText(record.ClassName);
        io.number(record.ClassNo);
        io.number(record.MaxHP);
        io.number(record.MaxMP);
        io.number(record.Vitality);
        io.number(record.Strength);
        io.number(record.Intellect);
        io.number(record.Agility);
        io.number(record.Dexterity);
        io.number(record.Charm);
        const char* equipment = "an equipment number 0..100";
        io.count(record.WeaponNo, kLastEquipment, equipment);
        io.count(record.ArmourNo, kLastEquipment, equipment);
        io.count(record.HelmetNo, kLastEquipment, equipment);
        io.count(record.ShieldNo, kLastEquipment, equipment);
        io.count(record.ExtraNo, kLastEquipment, equipment);
        io.number(record.FaceNo);
        io.number(st.CharAilment[p]);
        for (int s = 1; s <= 5; ++s) {
            io.text(st.CharEquipName(c, s));
            io.number(st.CharEquipPower(c, s));
            io.number(st.CharEquipNo(c, s));
        }
    }

    io.count(st.ItemCount, 50, "an inventory count 0..50");
    for (int i = 0; i <= st.ItemCount; ++i) {
        io.value(st.InvItem[i]);
        io.value(st.InvName[i]);
        io.value(st.InvKind[i]);
        io.value(st.InvPower[i]);
    }

    io.count(st.MapDepth, 10, "a map depth 0..10");
    for (int d = 0; d <= 10; ++d) {
        io.value(st.StackMap[d]);
        io.value(st.StackX[d]);
        io.value(st.StackY[d]);
        io.value(st.StackRate[d]);
        io.value(st.StackBack[d]);
        io.value(st.StackBgm[d]);
        io.value(st.StackArea[d]);
    }

    for (int i = 0; i <= 3; ++i) {
        io.value(st.SaveSpare1[i]);
        io.value(st.SaveSpare2[i]);
    }

    io.count(st.CellLogCount, 100, "a log count 0..100");
    for (int r = 0; r <= st.CellLogCount; ++r)
        for (int col = 0; col <= 6; ++col) io.value(st.CellLog(r, col));
    io.count(st.OpenLogCount, 100, "a log count 0..100");
    for (int r = 0; r <= st.OpenLogCount; ++r)
        for (int col = 0; col <= 2; ++col) io.value(st.OpenLog(r, col));

    io.number(st.FloorNo);
    for (int i = 0; i <= 10; ++i) io.value(st.FloorMap[i]);
}

class SaveWriter {
  public:
    void number(int n) { out_.writeLine(Value(n)); }
    void number(double n) { out_.writeLine(Value(n)); }
    void count(int n, int, const char*) { number(n); }
    void text(const QString& t) { out_.writeLine(Value(t)); }
    void fixedText(const QString& t) { text(t); }
    void value(const Value& v) { out_.writeLine(v); }
    void member(const Value& v) { out_.writeLine(v); }
    QByteArray bytes() const { return out_.bytes(); }

  private:
    ValueWriter out_;
};

class SaveReader {
  public:
    explicit SaveReader(LineValueReader& in) : in_(in) {}

    void number(double& n) {
        const Value v = in_.readValue();
        if (!isNumber(v)) in_.fail(QStringLiteral("a number"));
        n = v.num();
    }
    void number(int& n) {
        double d = 0;
        number(d);
        if (d < INT_MIN || d > INT_MAX) in_.fail(QStringLiteral("a whole number"));
        n = static_cast<int>(Value(d).toInt());
    }
    void count(int& n, int hi, const char* what) {
        number(n);
        if (n < 0 || n > hi) in_.fail(QString::fromUtf8(what));
    }
    void text(QString& t) { t = in_.readValue().text(); }
    void fixedText(QString& t) { t = ::fixedText(in_.readValue().text(), kNameWidth); }
    void value(Value& v) { v = in_.readValue(); }
    // A party position: empty, or a character that has a running state.
    void member(Value& v) {
        v = in_.readValue();
        if (v.isBlank()) return;
        const double c = isNumber(v) ? v.num() : -1;
        if (c < 0 || c > kLastCharacter || c != std::floor(c))
            in_.fail(QStringLiteral("a character 0..10 or nothing"));
    }

  private:
    // Empty counts as 0; a text counts only when it reads as a number.
    static bool isNumber(const Value& v) {
        return !v.isText() || v.text().trimmed().isEmpty() || Value::isNumericText(v.text());
    }
    LineValueReader& in_;
};
}  // namespace

QByteArray saveFileBytes(const GameState& st) {
    SaveWriter out;
    walkSavedGame(out, st);
    return out.bytes();
}

void readSaveFile(const QByteArray& bytes, const QString& fileName, GameState& st) {
    LineValueReader in(bytes, fileName);
    SaveReader reader(in);
    walkSavedGame(reader, st);
    if (!in.atEnd()) {
        in.readValue();  // counts the line for the report
        in.fail(QStringLiteral("the end of the file after the floors"));
    }
}

QString regainBgmQuotes(const QString& bgmFile, const QString& dataPath) {
    const QString quote = QStringLiteral("\"");
    if (bgmFile.isEmpty() || bgmFile.startsWith(quote)) return bgmFile;
    // Only a path the music player prepared from the data folder was quoted.
    if (!dataPath.isEmpty() && bgmFile.startsWith(dataPath.left(4))) return quote + bgmFile + quote;
    return bgmFile;
}
