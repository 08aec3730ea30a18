// Reads the picture recipes, the portrait looks and the music scores.

#include <QDir>

#include "world/ContentLoader.h"
#include "world/Source.h"

namespace {

void loadPictures(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(dir + QStringLiteral("/art/pictures.txt"));
    for (const SourceRow& r : t.rows()) {
        PictureDef p;
        p.name = r.text("name");
        p.painter = r.text("painter");
        if (w.pictures.contains(p.name)) r.fail("picture named twice");
        w.pictures.insert(p.name, p);
    }
}

void loadPortraits(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(dir + QStringLiteral("/art/portraits.txt"));
    for (const SourceRow& r : t.rows()) {
        const QString sheet = r.text("sheet");
        const int code = r.integer("code");
        QMap<int, QString>& looks = sheet == QStringLiteral("ca02") ? w.faceLooks : w.patronLooks;
        if (sheet != QStringLiteral("ca02") && sheet != QStringLiteral("ca03"))
            r.fail("sheet is ca02 or ca03");
        if (sheet == QStringLiteral("ca02") && (code % 10 == 0 || code < 1))
            r.fail("a face code of ca02 ends in 1..9 (column = last digit - 1)");
        if (looks.contains(code)) r.fail("portrait code used twice");
        looks.insert(code, r.text("look"));
    }
}

void loadEffects(const QString& dir, World& w) {
    const SourceTable t = SourceTable::read(dir + QStringLiteral("/art/effects.txt"));
    for (const SourceRow& r : t.rows()) {
        const int icon = r.integer("icon");
        if (icon < 1 || icon > 29 || icon % 10 == 0)
            r.fail("effect icons run 1..29 and never end in 0");
        if (w.effectLooks.contains(icon)) r.fail("effect icon used twice");
        w.effectLooks.insert(icon, r.text("look"));
    }
}

void loadTunes(const QString& dir, World& w) {
    QDir music(dir + QStringLiteral("/music"));
    for (const QString& f : music.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        const QList<SourceSection> sections = readSections(music.filePath(f));
        for (const SourceSection& s : sections) {
            TuneDef t;
            t.file = s.heading;
            t.source = f;
            t.line = s.line;
            for (const SourceLine& l : s.body) t.text.append(l.text);
            w.tunes.append(t);
        }
    }
}

}  // namespace

void loadArtAndMusic(const QString& dir, World& w) {
    loadPictures(dir, w);
    loadPortraits(dir, w);
    loadEffects(dir, w);
    loadTunes(dir, w);
}
