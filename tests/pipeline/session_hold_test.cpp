#include "brain/db_config.h"
#include "engine/input_queue.h"
#include "engine/program_home.h"
#include "pipeline/held_timers.h"
#include "pipeline/session.h"
#include "support/event_waits.h"
#include "support/fake_outside.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace {

TEST(HeldTimers, NoHeldTimerFiresAndTheRunningOnesRunOnAfterwards) {
    QTimer running, idle, startedMeanwhile;
    int fired = 0;
    for (QTimer* timer : {&running, &idle, &startedMeanwhile}) {
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [&] { ++fired; });
    }
    running.start();
    HeldTimers held;
    held.hold({&running, &idle, &startedMeanwhile});
    startedMeanwhile.start();
    ProcessEventsFor(100);
    EXPECT_EQ(fired, 0);
    held.release();
    EXPECT_TRUE(running.isActive());
    EXPECT_FALSE(idle.isActive());
    EXPECT_TRUE(startedMeanwhile.isActive());
    ProcessEventsFor(100);
    EXPECT_GT(fired, 0);
}

// The view of a job that lets the event loop run at every step, as the please-wait window does.
class WatchingView final : public JobView {
  public:
    explicit WatchingView(Engine& engine) : engine_(engine) {}
    void status(const QString&) override {
        ProcessEventsFor(400);  // longer than a tick of the NLP timer
        queuedAtEachStep << engine_.state.stores.InputStore.size();
    }
    void report(const QString&) override {}
    void pause(int) override {}
    QList<qsizetype> queuedAtEachStep;

  private:
    Engine& engine_;
};

// A job has the brain to itself: the owner's phrase queued before it waits for its end and is
// answered after it.
TEST(SessionHold, TheCycleWaitsForAMaintenanceJobAndGoesOnAfterIt) {
    TestBrain brain;
    QTemporaryDir home;
    SeedProgramHome(home.path(), QStringLiteral(TALVANE_SOURCE_DATA_DIR));
    SaveDbConfig(DbConfigPath(home.path()), brain.config());
    FakeOutside fakes;
    Session session(home.path(), fakes.outside());
    ASSERT_TRUE(session.prepare());
    bool ready = false, firstRunCheck = false;
    QObject::connect(&session, &Session::ready, [&] { ready = true; });
    QObject::connect(&session, &Session::firstRunCheckDue, [&] {
        firstRunCheck = true;
        EXPECT_FALSE(ready) << "the check comes before the console's start";
    });
    ASSERT_TRUE(session.start());
    ASSERT_TRUE(ProcessEventsUntil([&] { return ready; }));
    EXPECT_TRUE(firstRunCheck);

    Engine& engine = session.engine();
    QueueOwnersPhrase(engine, "hello");
    WatchingView view(engine);
    MaintainedBrain maintained{engine.db, home.path(), fakes.clock, &session};
    const JobResult result = QuickBackup(maintained, view);
    ASSERT_TRUE(result.ok) << result.detail.toStdString();
    EXPECT_EQ(view.queuedAtEachStep, (QList<qsizetype>{1, 1}));
    EXPECT_TRUE(ProcessEventsUntil([&] { return engine.state.stores.InputStore.isEmpty(); }))
        << "the phrase is taken once the job has ended";
    session.shutdown();
}

}  // namespace
