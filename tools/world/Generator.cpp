#include "world/Generator.h"

#include <QDir>
#include <QFile>

#include "art/EffectArt.h"
#include "art/IconArt.h"
#include "art/MonsterArt.h"
#include "art/Paint.h"
#include "art/PortraitArt.h"
#include "art/SceneryArt.h"
#include "art/SpriteArt.h"
#include "art/TileArt.h"
#include "audio/Synth.h"
#include "world/Source.h"

namespace {

// Quality of the big pictures (backgrounds, scenes) and of the masked sprite sheets.
constexpr int kSceneryQuality = 92;
constexpr int kSheetQuality = 100;

int rowsNeeded(const World& w, Sheet sheet) {
    int rows = 1;
    for (const TileDef& t : w.tiles)
        if (t.sheet == sheet) rows = std::max(rows, sheetRow(t.code) + (t.autotile ? 16 : 1));
    return rows;
}

QByteArray encodeFor(const QString& name, const QImage& img) {
    if (name.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) return encodeBmp(img);
    return encodeJpeg(img, kSceneryQuality);
}

// "x.bmp" -> "xx.bmp": the mask of a picture carries an extra x before the extension.
QString maskName(const QString& name) {
    const int dot = name.lastIndexOf(u'.');
    return name.left(dot) + u'x' + name.mid(dot);
}

void portraitSheets(const World& w, FileSet& out) {
    // ca02: faces by scene face code (row = code / 10, column = code % 10 - 1); ten columns.
    int rows = 1;
    for (int code : w.faceLooks.keys()) rows = std::max(rows, code / 10 + 1);
    QImage ca02 = filledRgb(960, 96 * rows, QColor(20, 20, 30));
    {
        QPainter p(&ca02);
        for (auto it = w.faceLooks.constBegin(); it != w.faceLooks.constEnd(); ++it)
            p.drawImage((it.key() % 10 - 1) * 96, (it.key() / 10) * 96,
                        facePicture(Recipe(it.value())));
    }
    out.insert(QStringLiteral("ca02.bmp"), encodeBmp(ca02));
    // ca03: tavern patrons, row = code / 10, column = code % 10.
    rows = 1;
    for (int code : w.patronLooks.keys()) rows = std::max(rows, code / 10 + 1);
    QImage ca03 = filledRgb(960, 96 * rows, QColor(20, 20, 30));
    {
        QPainter p(&ca03);
        for (auto it = w.patronLooks.constBegin(); it != w.patronLooks.constEnd(); ++it)
            p.drawImage((it.key() % 10) * 96, (it.key() / 10) * 96,
                        facePicture(Recipe(it.value())));
    }
    out.insert(QStringLiteral("ca03.bmp"), encodeBmp(ca03));
}

// The enemy sheet: encounter code k sits in column k % 10, rows 3 * (k / 10) + pose.
void enemySheet(const World& w, FileSet& out) {
    int groups = 1;
    for (int code : w.enemyLooks.keys()) groups = std::max(groups, code / 10 + 1);
    MaskedSheet sheet(1280, 128 * 3 * groups);
    for (auto it = w.enemyLooks.constBegin(); it != w.enemyLooks.constEnd(); ++it) {
        const Recipe look(it.value());
        for (int pose = 0; pose < 3; ++pose)
            sheet.place(monsterPicture(look, pose),
                        QPoint((it.key() % 10) * 128, (3 * (it.key() / 10) + pose) * 128));
    }
    out.insert(QStringLiteral("enpty02.jpeg"), encodeJpeg(sheet.image, kSheetQuality));
    out.insert(QStringLiteral("enpty02x.jpeg"), encodeGreyJpeg(sheet.mask, kSheetQuality));
}

// The boss sheet: boss b in column b - 1, rows 0..2 by pose.
void bossSheet(const World& w, FileSet& out) {
    MaskedSheet sheet(1280, 384);
    for (const BossDef& b : w.bosses)
        for (int pose = 0; pose < 3; ++pose)
            sheet.place(monsterPicture(Recipe(b.look), pose), QPoint((b.no - 1) * 128, pose * 128));
    out.insert(QStringLiteral("en02.jpeg"), encodeJpeg(sheet.image, kSheetQuality));
    out.insert(QStringLiteral("en02x.jpeg"), encodeGreyJpeg(sheet.mask, kSheetQuality));
}

void picture(const World& w, const PictureDef& d, FileSet& out) {
    const Recipe r(d.painter);
    const QString k = r.kind();
    if (k == "party") {
        const QImage sprites = partySprites(Recipe(QStringLiteral("person ") + d.painter.mid(6)));
        MaskedSheet sheet(96, 256);
        sheet.place(sprites, QPoint(0, 0));
        out.insert(d.name, encodeBmp(sheet.image));
        out.insert(maskName(d.name), encodeBmp(sheet.mask));
    } else if (k == "light") {
        const LightOverlay o = lightOverlay();
        out.insert(d.name, encodeBmp(o.andPicture));
        out.insert(maskName(d.name), encodeBmp(o.xorPicture));
    } else if (k == "faces") {
        portraitSheets(w, out);
    } else if (k == "enemies") {
        enemySheet(w, out);
    } else if (k == "bosses") {
        bossSheet(w, out);
    } else if (k == "effects") {
        MaskedSheet sheet(640, 64 * 3);
        // Icon n sits in row (n - 1) / 10, column (last digit) - 1.
        for (auto it = w.effectLooks.constBegin(); it != w.effectLooks.constEnd(); ++it)
            sheet.place(effectPicture(Recipe(it.value())),
                        QPoint((it.key() % 10 - 1) * 64, ((it.key() - 1) / 10) * 64));
        out.insert(d.name, encodeJpeg(sheet.image, kSheetQuality));
        out.insert(maskName(d.name), encodeGreyJpeg(sheet.mask, kSheetQuality));
    } else if (k == "marker") {
        MaskedSheet sheet(32, 32);
        sheet.place(targetMarker(), QPoint(0, 0));
        out.insert(d.name, encodeBmp(sheet.image));
        out.insert(maskName(d.name), encodeBmp(sheet.mask));
    } else if (k == "button") {
        out.insert(d.name, encodeBmp(buttonIcon(r.str("icon"))));
    } else if (k == "logo") {
        out.insert(d.name, encodeBmp(titleLogo(w.opening.title,
                                               QSize(r.integer("w", 448), r.integer("h", 64)))));
    } else {
        const QSize size(r.integer("w", 0), r.integer("h", 0));
        if (size.isEmpty())
            throw ContentError(QStringLiteral("pictures.txt"), 0,
                               QStringLiteral("picture %1 needs w= and h=").arg(d.name));
        out.insert(d.name, encodeFor(d.name, sceneryPicture(r, size)));
    }
}

}  // namespace

TileSheets drawTileSheets(const World& w) {
    TileSheets s;
    s.ground = filledRgb(320, 32 * rowsNeeded(w, Sheet::Ground), Qt::black);
    s.feature = filledRgb(320, 32 * rowsNeeded(w, Sheet::Feature), Qt::black);
    MaskedSheet prop(320, 32 * rowsNeeded(w, Sheet::Prop));
    MaskedSheet block(320, 32 * rowsNeeded(w, Sheet::Block));
    MaskedSheet tall(640, 64 * rowsNeeded(w, Sheet::Tall));
    for (const TileDef& t : w.tiles) {
        const int variants = t.autotile ? 16 : 1;
        for (int v = 0; v < variants; ++v) {
            const int code = t.code + v;
            const bool big = t.sheet == Sheet::Tall;
            const int size = big ? 64 : 32;
            const QPoint at(sheetColumn(code) * size, sheetRow(code) * size);
            const bool opaque = t.sheet == Sheet::Ground || t.sheet == Sheet::Feature;
            QImage cell = opaque ? filledRgb(size, size, Qt::black) : blankArgb(size, size);
            paintTile(cell, t, v);
            if (opaque) {
                QPainter p(t.sheet == Sheet::Ground ? &s.ground : &s.feature);
                p.drawImage(at, cell);
            } else {
                (t.sheet == Sheet::Prop    ? prop
                 : t.sheet == Sheet::Block ? block
                                           : tall)
                    .place(cell, at);
            }
        }
    }
    s.propImage = prop.image, s.propMask = prop.mask;
    s.blockImage = block.image, s.blockMask = block.mask;
    s.tallImage = tall.image, s.tallMask = tall.mask;
    return s;
}

FileSet generateWorld(const World& w) {
    FileSet out;
    writeTables(w, out);
    writeMaps(w, out);
    const TileSheets s = drawTileSheets(w);
    out.insert(QStringLiteral("ticp01.bmp"), encodeBmp(s.ground));
    out.insert(QStringLiteral("tip100.bmp"), encodeBmp(s.feature));
    out.insert(QStringLiteral("tip200.bmp"), encodeBmp(s.propImage));
    out.insert(QStringLiteral("tip200x.bmp"), encodeBmp(s.propMask));
    out.insert(QStringLiteral("tip300.bmp"), encodeBmp(s.blockImage));
    out.insert(QStringLiteral("tip300x.bmp"), encodeBmp(s.blockMask));
    out.insert(QStringLiteral("tip400.bmp"), encodeBmp(s.tallImage));
    out.insert(QStringLiteral("tip400x.bmp"), encodeBmp(s.tallMask));
    for (const PictureDef& d : w.pictures) picture(w, d, out);
    for (const TuneDef& t : w.tunes) {
        const Score score = parseScore(t.text, t.source, t.line);
        out.insert(t.file, wavBytes(renderScore(score, t.file)));
    }
    return out;
}
