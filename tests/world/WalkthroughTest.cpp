// docs/walkthrough.md tells the player the story path; its table must agree with the scenes,
// their thresholds and gifts, and the maps where their cells stand.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "WorldData.h"
#include "support/DataDir.h"

namespace {

struct Step {
    int order, scene, before, after;
    QString map, what;
};

QList<Step> walkthroughSteps() {
    QFile f(QStringLiteral(HOSHIKAGE_CONTENT_DIR) + QStringLiteral("/../docs/walkthrough.md"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    // Rows like "| 3 | 3 | hokora01.map | 2 → 3 | text |".
    const QRegularExpression row(QStringLiteral(
        R"(^\|\s*(\d+)\s*\|\s*(\d+)\s*\|\s*(\S+\.map)\s*\|\s*(\d+)\s*→\s*(\d+)\s*\|(.*)\|\s*$)"));
    QList<Step> steps;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        const auto m = row.match(line.trimmed());
        if (m.hasMatch())
            steps.append({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(4).toInt(),
                          m.captured(5).toInt(), m.captured(3), m.captured(6)});
    }
    return steps;
}

TEST(Walkthrough, ItsStoryPathMatchesTheScenesAndMaps) {
    const WorldData w(sampleWorldDir());
    const QList<Step> steps = walkthroughSteps();
    ASSERT_EQ(steps.size(), 7) << "the walkthrough lists scenes 1 to 7";
    for (int i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        SCOPED_TRACE(QStringLiteral("step %1").arg(s.order).toStdString());
        EXPECT_EQ(s.order, i + 1);
        EXPECT_EQ(s.scene, i + 1) << "scenes are met in order";
        EXPECT_EQ(s.before, i) << "progress runs 0 to 7";
        EXPECT_EQ(s.after, s.before + 1);
        ASSERT_TRUE(w.scenes.contains(s.scene));
        EXPECT_EQ(w.scenes[s.scene].threshold, Value(s.before))
            << "told in full exactly at this progress";
        // The scene's cell is on the map the walkthrough names; scene 7's cell is made by the
        // story's sixth step in the forest (MapX 37, MapY 20).
        const MapFile m = w.map(s.map);
        bool found = false;
        for (int y = 0; y <= m.size; ++y)
            for (int x = 0; x <= m.size; ++x) found = found || m.event(x, y) == 500 + s.scene;
        if (s.scene == 7) {
            EXPECT_EQ(s.map, QStringLiteral("mori001.map"));
            EXPECT_FALSE(found) << "scene 7 appears only after the sixth step";
        } else {
            EXPECT_TRUE(found) << "scene " << s.scene << " on " << s.map.toStdString();
        }
    }
    // The gifts: scene 3 → 37, scene 5 → 30, scene 6 → 25, named as the equipment table names them.
    for (auto [scene, gift] : {std::pair{3, 37}, std::pair{5, 30}, std::pair{6, 25}}) {
        const QString name = w.equipmentNames.value(gift);
        ASSERT_FALSE(name.isEmpty());
        EXPECT_TRUE(steps[scene - 1].what.contains(name))
            << "scene " << scene << " gives " << name.toStdString();
        EXPECT_TRUE(steps[scene - 1].what.contains(QStringLiteral("equipment %1").arg(gift)));
    }
    EXPECT_TRUE(steps[1].what.contains(QStringLiteral("サリア")) &&
                steps[1].what.contains(QStringLiteral("ファンロス")));
}

}  // namespace
