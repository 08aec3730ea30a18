// Reads the story script (scenes), the tavern talks and the opening text.

#include "world/ContentLoader.h"
#include "world/Source.h"

namespace {

// "== 3 | title | picture scene03.jpeg | threshold 2" -> fields after the number.
struct Heading {
    int no = 0;
    QString title;
    QMap<QString, QString> settings;
};

Heading parseHeading(const SourceSection& s, const QString& file) {
    const QStringList parts = s.heading.split(u'|');
    Heading h;
    h.no = parseInt(parts.value(0), file, s.line);
    h.title = parts.value(1).trimmed();
    for (int i = 2; i < parts.size(); ++i) {
        const QString p = parts[i].trimmed();
        const int sp = p.indexOf(u' ');
        if (sp < 0) throw ContentError(file, s.line, QStringLiteral("\"%1\" needs a value").arg(p));
        h.settings.insert(p.left(sp), p.mid(sp + 1).trimmed());
    }
    return h;
}

// "<face> | text" where face is a number or "-". Returns the text; face goes to out.
QString parseFaced(const SourceLine& l, const QString& file, std::optional<int>& face) {
    const int bar = l.text.indexOf(u'|');
    if (bar < 0) throw ContentError(file, l.number, "a line is \"face | text\"");
    const QString f = l.text.left(bar).trimmed();
    face =
        f == QStringLiteral("-") ? std::nullopt : std::optional<int>(parseInt(f, file, l.number));
    // "\n" in the script is a line break inside one page (character 13 in the data files).
    QString text = l.text.mid(bar + 1).trimmed();
    text.replace(QStringLiteral("\\n"), QStringLiteral("\r"));
    return text;
}

void loadScenes(const QString& dir, World& w) {
    const QString path = dir + QStringLiteral("/story/scenes.txt");
    const QString file = shortName(path);
    for (const SourceSection& s : readSections(path)) {
        const Heading h = parseHeading(s, file);
        if (h.no < 1 || h.no > 40) throw ContentError(file, s.line, "scenes run 1..40");
        SceneDef sc;
        sc.no = h.no;
        sc.title = h.title;
        sc.picture = h.settings.value(QStringLiteral("picture"));
        if (sc.picture.isEmpty()) throw ContentError(file, s.line, "a scene needs a picture");
        if (h.settings.contains(QStringLiteral("threshold")))
            sc.threshold = parseInt(h.settings.value(QStringLiteral("threshold")), file, s.line);
        std::optional<int> shortFace;
        bool hasShort = false;
        for (const SourceLine& l : s.body) {
            if (l.text.startsWith(QStringLiteral("short"))) {
                SourceLine rest{l.number, l.text.mid(5)};
                sc.shortText = parseFaced(rest, file, shortFace);
                hasShort = true;
                continue;
            }
            ScenePage p;
            p.text = parseFaced(l, file, p.face);
            sc.pages.append(p);
        }
        if (sc.pages.isEmpty()) throw ContentError(file, s.line, "a scene needs at least one page");
        if (sc.pages.size() > 19)
            throw ContentError(file, s.line, "a scene shows at most 19 pages");
        // The short text is shown with the face of the scene's own page number (page n of
        // scene n), so that page must carry the face the short text is written for.
        if (hasShort) {
            const std::optional<int> shown =
                sc.no <= sc.pages.size() ? sc.pages[sc.no - 1].face : std::nullopt;
            if (shown != shortFace)
                throw ContentError(file, s.line,
                                   QStringLiteral("the short text is shown with the face of page "
                                                  "%1; give that page the same face")
                                       .arg(sc.no));
        }
        if (w.scenes.contains(sc.no)) throw ContentError(file, s.line, "scene number used twice");
        w.scenes.insert(sc.no, sc);
    }
}

void loadTalks(const QString& dir, World& w) {
    const QString path = dir + QStringLiteral("/story/talks.txt");
    const QString file = shortName(path);
    for (const SourceSection& s : readSections(path)) {
        const Heading h = parseHeading(s, file);
        TalkDef t;
        t.speaker = h.no;
        if (t.speaker < 1 || t.speaker > 300)
            throw ContentError(file, s.line, "speakers run 1..300");
        t.name = h.title;
        t.face = parseInt(h.settings.value(QStringLiteral("face")), file, s.line);
        for (const SourceLine& l : s.body) {
            QString line = l.text.trimmed();
            line.replace(QStringLiteral("\\n"), QStringLiteral("\r"));
            t.lines.append(line);
        }
        if (t.lines.isEmpty() || t.lines.size() > 10)
            throw ContentError(file, s.line, "a speaker has 1..10 lines");
        w.talks.insert(t.speaker, t);
    }
}

void loadOpening(const QString& dir, World& w) {
    const QString path = dir + QStringLiteral("/story/opening.txt");
    const QString file = shortName(path);
    const QList<SourceSection> sections = readSections(path);
    if (sections.size() != 1) throw ContentError(file, 0, "the opening has one section");
    const SourceSection& s = sections.front();
    const QStringList parts = s.heading.split(u'|');
    w.opening.title = parts.value(0).trimmed();
    const QString pic = parts.value(1).trimmed();
    if (!pic.startsWith(QStringLiteral("picture ")))
        throw ContentError(file, s.line, "the heading is \"title | picture NAME\"");
    w.opening.picture = pic.mid(8).trimmed();
    for (const SourceLine& l : s.body) w.opening.lines.append(l.text.trimmed());
    if (w.opening.lines.size() < 3 || w.opening.lines.size() > 20)
        throw ContentError(file, s.line, "the opening page holds 3..20 lines");
}

}  // namespace

void loadStory(const QString& dir, World& w) {
    loadScenes(dir, w);
    loadTalks(dir, w);
    loadOpening(dir, w);
}
