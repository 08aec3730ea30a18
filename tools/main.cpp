// worldgen: turns the readable sources in content/ into the game's data directory.
//
//   worldgen CONTENT OUT                generate the data directory OUT
//   worldgen --preview CONTENT DIR      write overhead PNGs of every map and the sheets to DIR
//   worldgen --tiled CONTENT DIR [MAP…] write maps (all when none is named) as Tiled maps into
//                                       DIR, with their tilesets in DIR/tilesets
//   worldgen --tilesets CONTENT         write the tilesets that the Tiled maps of CONTENT/maps use

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "art/Paint.h"
#include "core/GameError.h"
#include "world/ContentLoader.h"
#include "world/Generator.h"
#include "world/Preview.h"
#include "world/Source.h"
#include "world/TmxWriter.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: worldgen CONTENT OUT\n"
                 "       worldgen --preview CONTENT DIR\n"
                 "       worldgen --tiled CONTENT DIR [MAP ...]\n"
                 "       worldgen --tilesets CONTENT\n");
    return 2;
}

void preview(const World& w, const QString& dir) {
    QDir().mkpath(dir);
    const TileSheets s = drawTileSheets(w);
    for (const MapGrid& m : w.maps) {
        bool town = false;
        for (const PlaceDef& p : w.places) town = town || (p.map == m.name && p.kind == 1);
        const QImage img = previewMap(m, s, town ? PreviewStyle::Town : PreviewStyle::Field);
        img.save(dir + u'/' + m.name + QStringLiteral(".png"));
        // What the screen shows on arrival: the town screen's 800 x 600 window at the new-game
        // view (world) or the top-left corner (towns); the field's view around the entry.
        QRect view(0, 0, 800, 600);
        if (m.name == QStringLiteral("Map_f01")) view.moveLeft(35 * 32);
        for (const PlaceDef& p : w.places)
            if (!town && p.map == m.name && p.entryX > 0)
                view.moveTo(48 * (p.entryX - 1) - 384, 48 * p.entryY - 288);
        img.copy(view).save(dir + u'/' + m.name + QStringLiteral("_screen.png"));
    }
    // The masked sheets as the battle shows them: decoded from the written files and drawn
    // with AND then XOR over a coloured background, so fringes of the masks show up.
    const FileSet files = generateWorld(w);
    auto decode = [&](const QString& name) {
        QImage img;
        img.loadFromData(files.value(name));
        return img.convertToFormat(QImage::Format_RGB32);
    };
    auto composite = [&](const QString& image, const QString& mask, const QString& out) {
        const QImage i = decode(image), m = decode(mask);
        QImage bg(i.size(), QImage::Format_RGB32);
        for (int y = 0; y < bg.height(); ++y)
            for (int x = 0; x < bg.width(); ++x) {
                const QRgb b = ((x / 16 + y / 16) % 2) ? qRgb(70, 110, 90) : qRgb(200, 170, 120);
                bg.setPixel(x, y, ((b & m.pixel(x, y)) ^ i.pixel(x, y)) | 0xff000000u);
            }
        bg.save(dir + u'/' + out);
    };
    composite(QStringLiteral("enpty02.jpeg"), QStringLiteral("enpty02x.jpeg"),
              QStringLiteral("view_enemies.png"));
    composite(QStringLiteral("en02.jpeg"), QStringLiteral("en02x.jpeg"),
              QStringLiteral("view_bosses.png"));
    composite(QStringLiteral("Mahou01.jpeg"), QStringLiteral("Mahou01x.jpeg"),
              QStringLiteral("view_effects.png"));
    composite(QStringLiteral("Ca05.bmp"), QStringLiteral("Ca05x.bmp"),
              QStringLiteral("view_party.png"));
    composite(QStringLiteral("marker.bmp"), QStringLiteral("markerx.bmp"),
              QStringLiteral("view_marker.png"));
    QImage(dir + QStringLiteral("/view_party.png"))
        .scaled(384, 1024)
        .save(dir + QStringLiteral("/view_party_x4.png"));
    // The small pictures of the screens side by side, three times their size.
    {
        QImage board(900, 420, QImage::Format_RGB32);
        board.fill(QColor(40, 40, 48));
        QPainter p(&board);
        int x = 10;
        for (const char* b : {"btn_item", "btn_magic", "btn_status", "btn_save", "btn_fight",
                              "btn_flee", "btn_defend", "btn_plus", "btn_minus", "btn_page1",
                              "btn_page2", "btn_prev", "btn_next"}) {
            const QImage img = decode(QString::fromUtf8(b) + QStringLiteral(".bmp"));
            p.drawImage(QRect(x, 10, img.width() * 2, img.height() * 2), img);
            x += img.width() * 2 + 6;
        }
        p.drawImage(QPoint(10, 100), decode(QStringLiteral("title_logo.bmp")));
        p.drawImage(QPoint(10, 180), decode(QStringLiteral("gameover_title.bmp")));
        p.drawImage(QPoint(480, 100), decode(QStringLiteral("title_side.bmp")));
        p.drawImage(QRect(300, 180, 96, 96), decode(QStringLiteral("marker.bmp")));
        p.end();
        board.save(dir + QStringLiteral("/view_screens.png"));
    }
    for (const QString& name : files.keys())
        if (name.endsWith(QStringLiteral(".bmp")) || name.endsWith(QStringLiteral(".jpeg")))
            decode(name).save(dir + QStringLiteral("/pic_") + name.section(u'.', 0, 0) +
                              QStringLiteral(".png"));
    s.ground.save(dir + QStringLiteral("/sheet_ticp01.png"));
    s.feature.save(dir + QStringLiteral("/sheet_tip100.png"));
    s.propImage.save(dir + QStringLiteral("/sheet_tip200.png"));
    s.blockImage.save(dir + QStringLiteral("/sheet_tip300.png"));
    s.tallImage.save(dir + QStringLiteral("/sheet_tip400.png"));
}

}  // namespace

int main(int argc, char** argv) {
    // Pictures with text need a font database; no window is ever opened.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 4 && args[1] == QStringLiteral("--preview")) {
            preview(loadWorld(args[2]), args[3]);
            return 0;
        }
        if (args.size() >= 4 && args[1] == QStringLiteral("--tiled")) {
            writeFileSet(tiledExport(loadWorld(args[2]), args.mid(4)), args[3]);
            return 0;
        }
        if (args.size() == 3 && args[1] == QStringLiteral("--tilesets")) {
            writeFileSet(tiledTilesets(loadWorld(args[2])), args[2] + QStringLiteral("/maps"));
            return 0;
        }
        if (args.size() != 3 || args[1].startsWith(QStringLiteral("--"))) return usage();
        const World w = loadWorld(args[1]);
        writeFileSet(generateWorld(w), args[2]);
        return 0;
    } catch (const ContentError& e) {
        std::fprintf(stderr, "worldgen: %s\n", e.what());
    } catch (const GameError& e) {
        std::fprintf(stderr, "worldgen: %s\n", qPrintable(e.report()));
    }
    return 1;
}
