// The maps as Tiled itself handles them: Debian's tiled converts the exported maps to its JSON
// format and back, and the generator reads what Tiled wrote; tmxrasterizer draws a map the way
// the overhead map screen does. Both need Tiled's programs; without them the tests say so and
// skip.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "GameMapFiles.h"
#include "WorldData.h"
#include "core/GameState.h"
#include "field/MapFile.h"
#include "field/MapLoad.h"
#include "support/DataDir.h"
#include "world/DataWriter.h"
#include "world/Generator.h"
#include "world/TmxReader.h"
#include "world/TmxWriter.h"
#include "worldmap/WorldView.h"

namespace {

constexpr int kToolTimeoutMs = 60000;

// Runs one of Tiled's programs off screen; its output when it fails.
QString run(const QString& program, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(kToolTimeoutMs)) {
        p.kill();
        p.waitForFinished();
        return program + QStringLiteral(" took too long");
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return program + QStringLiteral(" failed: ") +
               QString::fromLocal8Bit(p.readAllStandardError());
    return QString();
}

#define REQUIRE_PROGRAM(name)                                                   \
    if (QStandardPaths::findExecutable(QStringLiteral(name)).isEmpty())         \
    GTEST_SKIP() << name                                                        \
        " is not installed (Debian package tiled; ./scripts/setup.sh installs " \
        "it)"

TEST(RealTiled, MapsConvertedToJsonAndBackByTiledReadAsTheSameMaps) {
    REQUIRE_PROGRAM("tiled");
    const World& w = contentModel();
    QTemporaryDir dir;
    writeFileSet(tiledTilesets(w), dir.path());
    QDir(dir.path()).mkdir(QStringLiteral("back"));  // what Tiled writes back, under the same names
    const LayerFormat formats[] = {LayerFormat::Csv, LayerFormat::Base64, LayerFormat::Zlib,
                                   LayerFormat::Gzip};
    int i = 0;
    for (const MapGrid& m : w.maps) {
        const LayerFormat format = formats[i++ % 4];
        SCOPED_TRACE(m.name.toStdString() + " in format " + std::to_string(int(format)));
        const QString tmx = dir.filePath(m.name + ".tmx"), json = dir.filePath(m.name + ".json"),
                      back = dir.filePath("back/" + m.name + ".tmx");
        writeFileSet({{m.name + ".tmx", writeTmx(w, m, format)}}, dir.path());
        ASSERT_EQ(run("tiled", {"--export-map", "json", tmx, json}), QString());
        QFile jf(json);
        ASSERT_TRUE(jf.open(QIODevice::ReadOnly));
        const QJsonObject doc = QJsonDocument::fromJson(jf.readAll()).object();
        ASSERT_EQ(doc.value("type").toString(), QStringLiteral("map")) << "Tiled wrote no JSON map";
        ASSERT_EQ(run("tiled", {"--export-map", "tmx", json, back}), QString());

        // Tiled keeps the layer format, so the reader meets each of them as Tiled writes it.
        QFile bf(back);
        ASSERT_TRUE(bf.open(QIODevice::ReadOnly));
        const QByteArray written = bf.readAll();
        EXPECT_TRUE(written.contains("tiledversion=\"")) << "written by Tiled itself";
        if (format == LayerFormat::Zlib) {
            EXPECT_TRUE(written.contains("compression=\"zlib\""));
        }
        if (format == LayerFormat::Gzip) {
            EXPECT_TRUE(written.contains("compression=\"gzip\""));
        }
        const TmxMap read = readTmxFile(back, w);
        EXPECT_EQ(gameMapFiles(read.grid, read.stairs), gameMapFiles(w, m.name));
    }
}

// The pixels of a cell that no neighbouring tall piece overhangs: there both pictures show the
// cell's own tiles only.
std::vector<bool> ownPixels(const GameState& st, int cx, int cy) {
    std::vector<bool> own(kWorldCell * kWorldCell, true);
    for (int nx = cx - 1; nx <= cx + 2; ++nx)
        for (int ny = cy - 1; ny <= cy + 2; ++ny) {
            if ((nx == cx && ny == cy) || !st.TallGrid.inRange(nx, ny) ||
                st.TallGrid(nx, ny).toInt() == 0)
                continue;
            // A tall piece covers 64 × 64 pixels from 8 left of and 8 above its cell.
            const QRect piece(nx * kWorldCell - 8, ny * kWorldCell - 8, kWorldTall, kWorldTall);
            for (int y = 0; y < kWorldCell; ++y)
                for (int x = 0; x < kWorldCell; ++x)
                    if (piece.contains(cx * kWorldCell + x, cy * kWorldCell + y))
                        own[y * kWorldCell + x] = false;
        }
    return own;
}

TEST(RealTiled, TmxRasterizerAndTheOverheadMapShowTheSameTileInEveryCell) {
    REQUIRE_PROGRAM("tmxrasterizer");
    const World& w = contentModel();
    QTemporaryDir dir;
    writeFileSet(tiledExport(w, {QStringLiteral("town01")}), dir.path());
    const QString png = dir.filePath("town01.png");
    ASSERT_EQ(run("tmxrasterizer",
                  {"--no-smoothing", "--hide-layer", "events", dir.filePath("town01.tmx"), png}),
              QString());
    const QImage tiled = QImage(png).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(tiled.size(), QSize(800, 800));

    // (The event objects' outlines are left out: the game does not draw them.) The game's own
    // view of the town's top-left corner, from the generated world.
    auto st = std::make_unique<GameState>();
    Map_Clear(*st);
    putMapIntoGrids(*st, readMapFile(sampleWorldDir() + QStringLiteral("/town01.map")));
    WorldSheets sheets = loadWorldSheets(sampleWorldDir() + u'/');
    QImage game;
    ASSERT_TRUE(view2(*st, sheets, 0, 0, game));
    game = game.convertToFormat(QImage::Format_RGB32);

    QStringList differing;
    int compared = 0;
    for (int cy = 0; cy < kWorldViewRows; ++cy)
        for (int cx = 0; cx < kWorldViewCols; ++cx) {
            const std::vector<bool> own = ownPixels(*st, cx, cy);
            int differ = 0;
            for (int y = 0; y < kWorldCell; ++y)
                for (int x = 0; x < kWorldCell; ++x) {
                    if (!own[y * kWorldCell + x]) continue;
                    const QPoint p(cx * kWorldCell + x, cy * kWorldCell + y);
                    ++compared;
                    differ += tiled.pixel(p) != game.pixel(p);
                }
            if (differ > 0)
                differing << QStringLiteral("(%1, %2): %3 pixels").arg(cx).arg(cy).arg(differ);
        }
    EXPECT_TRUE(differing.isEmpty()) << differing.join(u'\n').toStdString();
    EXPECT_GT(compared, 25 * 19 * 32 * 32 / 2) << "most of the view is compared";

    // For the docs: Tiled's picture beside the game's, when pictures are asked for.
    const QString shots = qEnvironmentVariable("HOSHIKAGE_SHOTS_DIR");
    if (!shots.isEmpty()) {
        QImage both(2 * 800 + 16, 608, QImage::Format_RGB32);
        both.fill(Qt::white);
        QPainter p(&both);
        p.drawImage(0, 0, tiled.copy(0, 0, 800, 608));
        p.drawImage(816, 0, game);
        p.end();
        both.save(shots + QStringLiteral("/tiled_beside_game.png"));
    }
}

}  // namespace
