#include <gtest/gtest.h>

#include <QStringList>
#include <QTimer>

#include "platform/Form.h"
#include "platform/FormManager.h"

namespace {
// A screen that records its lifecycle and keeps a variable of its own.
class Probe : public Form {
  public:
    Probe(FormManager& fm, QString name, QStringList& log) : Form(fm, name), log_(log) {}
    int visits = 0;
    std::function<void()> onActivate;

  protected:
    void Form_Load() override {
        ++visits;
        log_ << name() + QStringLiteral(".Load");
    }
    void Form_Activate() override {
        log_ << name() + QStringLiteral(".Activate");
        if (onActivate) onActivate();
    }
    void Form_Unload() override { log_ << name() + QStringLiteral(".Unload"); }

  private:
    QStringList& log_;
};
}  // namespace

TEST(FormLifecycle, TheOpenerIsActivatedAgainWhenItsModalChildCloses) {
    FormManager fm;
    QStringList log;
    Probe field(fm, QStringLiteral("field"), log), battle(fm, QStringLiteral("battle"), log);
    fm.setShowHook([&](Form& f) {
        if (&f == &battle) {
            log << QStringLiteral("battle is fought");
            battle.Unload();
        }
    });
    field.Show();
    EXPECT_EQ(fm.activeForm(), &field);
    battle.Show(true);
    log << QStringLiteral("field continues");
    EXPECT_EQ(log, (QStringList{"field.Load", "field.Activate", "battle.Load", "battle.Activate",
                                "battle is fought", "battle.Unload", "field.Activate",
                                "field continues"}));
    EXPECT_EQ(fm.activeForm(), &field);
    EXPECT_TRUE(fm.modalStack().empty());
}

TEST(FormLifecycle, ScreenVariablesSurviveClosingAndLoadRunsOnEveryShowing) {
    FormManager fm;
    QStringList log;
    Probe status(fm, QStringLiteral("status"), log);
    status.Show();
    status.Unload();
    EXPECT_FALSE(status.isLoaded());
    status.Show();
    EXPECT_EQ(status.visits, 2);  // the object and its counter lived on
    status.Show();                // showing a loaded screen does not load it again
    EXPECT_EQ(status.visits, 2);
}

TEST(FormLifecycle, ModalScreensRunNestedInARealEventLoop) {
    FormManager fm;
    QStringList log;
    Probe town(fm, QStringLiteral("town"), log), shop(fm, QStringLiteral("shop"), log),
        save(fm, QStringLiteral("save"), log);
    town.Show();
    // The shop opens the save screen modally from inside its own activation; each closes later
    // from a timer, as a player's click would.
    shop.onActivate = [&] {
        if (!save.isLoaded() && log.count(QStringLiteral("shop.Activate")) == 1) {
            QTimer::singleShot(10, [&] { save.Unload(); });
            save.Show(true);
            log << QStringLiteral("shop after save");
            QTimer::singleShot(10, [&] { shop.Unload(); });
        }
    };
    shop.Show(true);
    log << QStringLiteral("town after shop");
    EXPECT_EQ(log,
              (QStringList{"town.Load", "town.Activate", "shop.Load", "shop.Activate", "save.Load",
                           "save.Activate", "save.Unload", "shop.Activate", "shop after save",
                           "shop.Unload", "town.Activate", "town after shop"}));
}

TEST(FormLifecycle, ModelessShowReturnsAtOnceAndClosingHandsActivationBack) {
    FormManager fm;
    QStringList log;
    Probe field(fm, QStringLiteral("field"), log), scene(fm, QStringLiteral("scene"), log);
    field.Show();
    scene.Show();  // returns at once; both are loaded
    EXPECT_TRUE(field.isLoaded());
    EXPECT_EQ(fm.activeForm(), &scene);
    log.clear();
    scene.Unload();
    EXPECT_EQ(log, (QStringList{"scene.Unload", "field.Activate"}));
    EXPECT_EQ(fm.activeForm(), &field);
}

TEST(FormLifecycle, AScriptThatLeavesAModalScreenOpenFailsLoudly) {
    FormManager fm;
    QStringList log;
    Probe item(fm, QStringLiteral("item"), log);
    fm.setShowHook([](Form&) {});
    EXPECT_THROW(item.Show(true), std::logic_error);
}
