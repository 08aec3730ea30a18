#include "audio/Score.h"

#include <cmath>

#include "world/Source.h"

namespace {

class Parser {
  public:
    Parser() = default;
    Parser(const QString& file, int line) : file_(file), line_(line) {}

    void parseLine(VoiceDef& v, const QString& text) {
        text_ = text;
        pos_ = 0;
        while (true) {
            skipSpace();
            if (pos_ >= text_.size()) break;
            element(v, 1);
        }
    }

    double length_ = 1.0;  // quarter notes
    int octave_ = 4;
    double time_ = 0;

  private:
    [[noreturn]] void fail(const QString& m) const {
        throw ContentError(file_, line_,
                           m + QStringLiteral(" (at \"%1\")").arg(text_.mid(pos_, 12)));
    }
    void skipSpace() {
        while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'|')) ++pos_;
    }
    QChar peek() const { return pos_ < text_.size() ? text_[pos_] : QChar(); }

    int number() {
        const qsizetype s = pos_;
        while (pos_ < text_.size() && text_[pos_].isDigit()) ++pos_;
        return s == pos_ ? -1 : text_.mid(s, pos_ - s).toInt();
    }

    void lengthSuffix() {
        const int n = number();
        if (n > 0) {
            if (n != 1 && n != 2 && n != 4 && n != 8 && n != 16 && n != 32)
                fail("lengths are 1, 2, 4, 8, 16, 32");
            length_ = 4.0 / n;
        } else if (n == 0) {
            fail("length 0");
        }
        if (peek() == u'.') {
            ++pos_;
            if (n <= 0) fail("a dot needs a length");
            length_ *= 1.5;
        }
    }

    int pitch(bool drums) {
        const QChar c = peek().toLower();
        ++pos_;
        if (drums) {
            if (c == u'k') return 1;
            if (c == u's') return 2;
            if (c == u'h') return 3;
            fail("drums are k, s, h");
        }
        static const QString letters = QStringLiteral("cdefgab");
        static const int semis[] = {0, 2, 4, 5, 7, 9, 11};
        const int i = letters.indexOf(c);
        if (i < 0) fail("expected a note");
        int n = semis[i];
        int oct = octave_;
        while (pos_ < text_.size()) {
            const QChar m = text_[pos_];
            if (m == u'#')
                n += 1;
            else if (m == u'b')
                n -= 1;
            else if (m == u'+')
                oct += 1;
            else if (m == u'-')
                oct -= 1;
            else
                break;
            ++pos_;
        }
        return 12 * (oct + 1) + n;
    }

    void element(VoiceDef& v, int) {
        const bool drums = v.wave == "noise";
        const QChar c = peek();
        if (c == u'o') {
            ++pos_;
            const int n = number();
            if (n < 1 || n > 8) fail("octaves run 1..8");
            octave_ = n;
        } else if (c == u'>') {
            ++pos_, ++octave_;
        } else if (c == u'<') {
            ++pos_, --octave_;
        } else if (c == u'r') {
            ++pos_;
            lengthSuffix();
            time_ += length_;
        } else if (c == u'[') {
            ++pos_;
            NoteEvent e;
            while (peek() != u']') {
                if (pos_ >= text_.size()) fail("unclosed chord");
                if (peek() == u' ') {
                    ++pos_;
                    continue;
                }
                e.midi.append(pitch(drums));
            }
            ++pos_;
            lengthSuffix();
            e.start = time_;
            e.length = length_;
            v.events.append(e);
            time_ += length_;
        } else if (c == u'(') {
            ++pos_;
            const qsizetype groupStart = pos_;
            int depth = 1;
            while (pos_ < text_.size() && depth > 0) {
                if (text_[pos_] == u'(') ++depth;
                if (text_[pos_] == u')') --depth;
                ++pos_;
            }
            if (depth != 0) fail("unclosed group");
            const QString inner = text_.mid(groupStart, pos_ - groupStart - 1);
            const int times = number();
            if (times < 1) fail("a group needs a repeat count");
            const QString rest = text_.mid(pos_);
            for (int k = 0; k < times; ++k) parseLine(v, inner);
            text_ = rest;
            pos_ = 0;
        } else {
            NoteEvent e;
            e.midi.append(pitch(drums));
            lengthSuffix();
            e.start = time_;
            e.length = length_;
            v.events.append(e);
            time_ += length_;
        }
    }

    QString file_;
    int line_ = 0;
    QString text_;
    qsizetype pos_ = 0;
};

}  // namespace

Score parseScore(const QStringList& lines, const QString& file, int firstLine) {
    Score s;
    QMap<QString, Parser> parsers;
    for (int i = 0; i < lines.size(); ++i) {
        const int ln = firstLine + 1 + i;
        const QString t = lines[i].trimmed();
        if (t.startsWith(QStringLiteral("tempo "))) {
            s.tempo = parseInt(t.mid(6), file, ln);
        } else if (t.startsWith(QStringLiteral("voice "))) {
            const QStringList p = t.split(u' ', Qt::SkipEmptyParts);
            if (p.size() < 3) throw ContentError(file, ln, "voice NAME WAVE settings…");
            VoiceDef v;
            v.name = p[1];
            v.wave = p[2];
            static const QStringList waves = {"square", "triangle", "sine", "saw", "noise"};
            if (!waves.contains(v.wave)) throw ContentError(file, ln, "unknown wave " + v.wave);
            for (int k = 3; k < p.size(); ++k) {
                const int eq = p[k].indexOf(u'=');
                if (eq < 0) throw ContentError(file, ln, "settings are key=value");
                v.settings.insert(p[k].left(eq), p[k].mid(eq + 1).toDouble());
            }
            s.voices.append(v);
            parsers.insert(v.name, Parser(file, ln));
        } else {
            const int colon = t.indexOf(u':');
            if (colon < 0) throw ContentError(file, ln, "expected tempo, voice or \"name: notes\"");
            const QString name = t.left(colon).trimmed();
            auto it = std::find_if(s.voices.begin(), s.voices.end(),
                                   [&](const VoiceDef& v) { return v.name == name; });
            if (it == s.voices.end()) throw ContentError(file, ln, "no voice " + name);
            // Each line continues the voice where its previous line ended.
            Parser& p = parsers[name];
            Parser q(file, ln);
            q.length_ = p.length_, q.octave_ = p.octave_, q.time_ = p.time_;
            q.parseLine(*it, t.mid(colon + 1));
            p.length_ = q.length_, p.octave_ = q.octave_, p.time_ = q.time_;
        }
    }
    for (VoiceDef& v : s.voices) v.length = parsers[v.name].time_;
    for (const VoiceDef& v : s.voices)
        if (std::abs(v.length - s.lengthBeats()) > 1e-9)
            throw ContentError(file, firstLine,
                               QStringLiteral("voice %1 lasts %2 beats, %3 lasts %4")
                                   .arg(v.name)
                                   .arg(v.length)
                                   .arg(s.voices.front().name)
                                   .arg(s.lengthBeats()));
    return s;
}
