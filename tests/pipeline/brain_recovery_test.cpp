#include "pipeline/brain_recovery.h"
#include "brain/query.h"
#include "engine/input_queue.h"
#include "support/assembled_engine.h"
#include "support/event_waits.h"
#include "support/managed_home.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>
#include <QTcpServer>

#include <csignal>

namespace {

// The owner chats with the character on a home's own brain server, which a test kills -9.
class BrainOutage : public ::testing::Test {
  protected:
    void SetUp() override {
        server = home.server();
        ASSERT_TRUE(home.firstStart(*server, fakes.notifications));
        db = std::make_unique<Query>(server->config());
        assembled = std::make_unique<AssembledEngine>(*db, fakes.outside());
        Settings& s = engine().state.settings;
        s.useDialogIntroForNewUsers = false;
        s.allowDataTeaching = true;
        s.typingSimulation = false;
        recovery = std::make_unique<BrainRecovery>(engine(), *server, [](int) {});
        QObject::connect(recovery.get(), &BrainRecovery::lost, [this] { lost = true; });
    }

    Engine& engine() { return *assembled->engine; }
    QList<TInput>& queue() { return engine().state.stores.InputStore; }

    // Each phrase half an hour after the one before, so that none counts as a repetition.
    void queue(const QString& phrase) {
        fakes.clock.at = fakes.clock.at.addSecs(1800);
        EnqueueInput(engine(), LocalInput(engine(), phrase));
    }
    void runQueue() {
        engine().NLPtimer.stop();
        while (!queue().isEmpty())
            engine().NLPtimerTimer();
        for (int tick = 0; tick < 50 && assembled->delivery->MultiLineAnswering.isActive(); ++tick)
            assembled->delivery->DeliverNextLine();
    }
    qint64 killServer() {
        const qint64 pid = ServerPidOf(home.path());
        ::kill(pid_t(pid), SIGKILL);
        EXPECT_TRUE(ProcessEventsUntil([pid] { return ::kill(pid_t(pid), 0) != 0; }));
        return pid;
    }

    ManagedHome home;
    FakeOutside fakes;
    std::unique_ptr<PrivateServer> server;
    std::unique_ptr<Query> db;
    std::unique_ptr<AssembledEngine> assembled;
    std::unique_ptr<BrainRecovery> recovery;
    bool lost = false;
};

TEST_F(BrainOutage, TheInputThatMetTheServerGoneIsAnsweredOnceItIsBack) {
    queue("hello");
    runQueue();
    const qint64 killed = killServer();
    queue("#hi there");
    EnqueueIrcInput(engine(), TInput{.TargetKind = TargetKind::Private,
                                     .UserAddress = "bob@host.example",
                                     .ReplyTarget = "Bob",
                                     .UserNick = "Bob",
                                     .RawText = {},
                                     .OriginalPhrase = "good evening",
                                     .UpperPhrase = "GOOD EVENING",
                                     .Highlighted = false});
    engine().NLPtimerTimer();

    ASSERT_EQ(queue().size(), 2) << "nothing dropped";
    EXPECT_EQ(queue()[0].OriginalPhrase, "#hi there") << "and the input that met it goes first";
    EXPECT_TRUE(engine().waitingForBrain);
    EXPECT_FALSE(engine().NLPtimer.isActive());
    EXPECT_TRUE(fakes.console.statusLines.last().endsWith("WAITING FOR THE BRAIN SERVER.."));
    EXPECT_EQ(engine().state.NlpCount, 1);

    ASSERT_TRUE(ProcessEventsUntil([this] { return !engine().waitingForBrain; }));
    EXPECT_FALSE(lost);
    EXPECT_NE(ServerPidOf(home.path()), killed) << "the server was started again";
    EXPECT_TRUE(engine().NLPtimer.isActive());
    EXPECT_TRUE(
        fakes.console.lines.contains("A.I. > The brain server is back: 2 waiting inputs go on."));
    runQueue();
    EXPECT_EQ(engine().state.NlpCount, 3);
    fakes.additional.chat.clear();
    queue("hello");
    runQueue();
    ASSERT_FALSE(fakes.additional.chat.isEmpty());
    EXPECT_TRUE(fakes.additional.chat.last().endsWith(" : Hi there."))
        << fakes.additional.chat.last().toStdString();

    // The connectivity check hands a lost connection to the same recovery.
    killServer();
    ConnectivityChecker checker(engine());
    bool closed = false;
    QObject::connect(&checker, &ConnectivityChecker::connectionLost, [&] { closed = true; });
    checker.MySQL_checkerTimer();
    EXPECT_TRUE(engine().waitingForBrain);
    ASSERT_TRUE(ProcessEventsUntil([this] { return !engine().waitingForBrain; }));
    EXPECT_FALSE(closed || lost);
}

TEST_F(BrainOutage, AServerThatCannotComeBackClosesTheProgramWithTheInputStillQueued) {
    const int port = server->config().port;
    killServer();
    QTcpServer squatter;
    ASSERT_TRUE(squatter.listen(QHostAddress::LocalHost, quint16(port)));
    queue("#hi there");
    engine().NLPtimerTimer();
    ASSERT_TRUE(ProcessEventsUntil([this] { return lost; }));
    ASSERT_FALSE(fakes.notifications.errors.isEmpty());
    EXPECT_TRUE(fakes.notifications.errors.last().startsWith(kLostConnectionMessage));
    EXPECT_TRUE(fakes.notifications.errors.last().contains("already used by another program"))
        << fakes.notifications.errors.last().toStdString();
    ASSERT_EQ(queue().size(), 1);
    EXPECT_EQ(queue()[0].OriginalPhrase, "#hi there");
}

}  // namespace
