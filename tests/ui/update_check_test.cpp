#include "ui/update_check.h"

#include "support/engine_fixture.h"
#include "ui/main_console.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

TEST(VersionComparison, TheServersPartsAreComparedUpToTheLastLocalPart) {
    const struct {
        const char *local, *server;
        bool available;
    } cases[] = {
        {"3.0.0.0.12", "3.0.0.0.13", true},    {"3.0.0.0.12", "3.0.0.0.12", false},
        {"3.0.0.0.12", "3.0.0.0.12.1", false}, {"3.0.0.0.12", "3.0.1", true},
        {"3.0.0.0.12", "2.9.9.9.99", false},   {"3.0.0.0.12", "3.x.1", true},
        {"1.0.0.0.0", "1.0.0.0.10", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UpdateAvailable(c.local, c.server), c.available) << c.local << " " << c.server;
}

TEST(LocalVersionText, IsTheProgramsVersionWithTheUpdateLevel) {
    QTemporaryDir home;
    ProgramHome h(home.path());
    EXPECT_EQ(LocalVersion(h, "3.0.0.0"), "3.0.0.0") << "no Update.dat";
    QDir(home.path()).mkpath("Main");
    QFile file(h.path("Main/Update.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("first\n12\nUpdate command\n");
    file.close();
    EXPECT_EQ(LocalVersion(h, "3.0.0.0"), "3.0.0.0.12");
}

// A Hub Server on loopback: each path has its reply, anything else is 404.
class Hub : public QTcpServer {
  public:
    Hub() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        });
    }
    QString address(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }
    QHash<QString, QByteArray> files;

  private:
    void answer(QTcpSocket* socket) {
        const QByteArray request = socket->peek(8192);
        if (!request.contains("\r\n\r\n")) return;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        const bool found = files.contains(path);
        const QByteArray body = files.value(path, "not here");
        socket->write((found ? "HTTP/1.0 200 OK\r\n" : "HTTP/1.0 404 Not Found\r\n") +
                      QByteArray("Content-Length: ") + QByteArray::number(body.size()) +
                      "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
};

QByteArray Meta(const QString& version, const QString& more = {}) {
    return QStringLiteral(
               "<HTML>\n<META NAME=\"mxProduct\" CONTENT=\"Q.I.V.O\">\n"
               "<META NAME=\"mxVersion\" CONTENT=\"%1\">\n"
               "<META NAME=\"mxDownload\" CONTENT=\"http://hub/Updates.qivo\">\n%2"
               "</HTML>\n")
        .arg(version, more)
        .toUtf8();
}

UpdateOutcome Check(const QString& address, const QString& local = "1.0.0.0.3") {
    UpdateCheck check;
    QSignalSpy done(&check, &UpdateCheck::finished);
    check.CheckForUpdates(address, local);
    EXPECT_TRUE(check.running());
    check.CheckForUpdates(address, local);  // a second check while one runs is ignored
    EXPECT_TRUE(done.wait(10000));
    EXPECT_EQ(done.count(), 1);
    EXPECT_FALSE(check.running());
    return done.value(0).value(0).value<UpdateOutcome>();
}

TEST(UpdateCheckAtAHub, NewerSameOlderRedirectingAndBroken) {
    Hub hub;
    hub.files["/new/ServerFiles/Meta.dat"] = Meta("1.0.0.0.4");
    hub.files["/same/ServerFiles/Meta.dat"] = Meta("1.0.0.0.3");
    hub.files["/old/ServerFiles/Meta.dat"] = Meta("0.9.9.9");
    hub.files["/moved/ServerFiles/Meta.dat"] = Meta(
        "0.1", "<META NAME=\"mxRedirection\" CONTENT=\"" + hub.address("/second.dat") + "\">\n");
    hub.files["/second.dat"] = Meta("1.1").replace("hub/Updates", "mirror/Updates");
    hub.files["/loop/ServerFiles/Meta.dat"] =
        Meta("9", "<META NAME=\"mxRedirection\" CONTENT=\"" +
                      hub.address("/loop/ServerFiles/Meta.dat") + "\">\n");
    hub.files["/broken/ServerFiles/Meta.dat"] = "<META NAME=\"mxVersion\" CONTENT=\"9\">\n";
    hub.files["/empty/ServerFiles/Meta.dat"] = "";
    using Kind = UpdateOutcome::Kind;
    const struct {
        const char* hub;
        Kind kind;
        const char *server, *download;
    } cases[] = {
        {"/new", Kind::Available, "1.0.0.0.4", "http://hub/Updates.qivo"},
        {"/same", Kind::Latest, "1.0.0.0.3", "http://hub/Updates.qivo"},
        {"/old", Kind::Latest, "0.9.9.9", "http://hub/Updates.qivo"},
        {"/moved", Kind::Available, "1.1", "http://mirror/Updates.qivo"},
        {"/loop", Kind::Failed, "", ""},
        {"/broken", Kind::Failed, "", ""},
        {"/empty", Kind::Failed, "", ""},
        {"/missing", Kind::Failed, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hub);
        const UpdateOutcome outcome = Check(MetaAddress(hub.address(c.hub)));
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_EQ(outcome.local, "1.0.0.0.3");
        EXPECT_EQ(outcome.server, c.server);
        EXPECT_EQ(outcome.download, c.download);
    }
    const quint16 port = hub.serverPort();
    hub.close();
    EXPECT_EQ(Check(QStringLiteral("http://127.0.0.1:%1/ServerFiles/Meta.dat").arg(port)).kind,
              Kind::Failed)
        << "the Hub Server is offline";
}

TEST(UpdateTexts, SayWhatTheCheckFoundAndHowToUpdate) {
    UpdateOutcome available{UpdateOutcome::Kind::Available, "1.0.0.0.3", "1.1", "http://h/U"};
    EXPECT_EQ(UpdateLines(available),
              QStringList({"A.I. > Update(s) for Q.I.V.O™ available.",
                           "A.I. > Current version: 1.0.0.0.3 -> New version: 1.1",
                           "A.I. > Download address: http://h/U",
                           "A.I. > To update, pull the new version of the program and start it "
                           "with ./run."}));
    EXPECT_TRUE(UpdateMessage(available).startsWith(
        "New Q.I.V.O™ update(s) version No. 1.1 is available."));
    EXPECT_EQ(UpdateMessage({UpdateOutcome::Kind::Latest, {}, {}, {}}),
              "You already have the latest Q.I.V.O™ version.");
    EXPECT_EQ(UpdateMessage({}),
              "Cannot check for update(s) because Q.I.V.O™ Hub Server™ is offline.");
}

class ConsoleUpdates : public EngineFixture {
  protected:
    ConsoleUpdates() {
        window.attach(*engine);
        hub.files["/hub/ServerFiles/Meta.dat"] = Meta("99");
    }
    // Waits until the console has told what the check found.
    void waitForTheCheck() {
        for (int i = 0; i < 100 && fakes.console.lines.filter("A.I. > Cannot").isEmpty() &&
                        fakes.console.lines.filter("Current version").isEmpty();
             ++i)
            QTest::qWait(50);
    }
    Hub hub;
    MainConsole window;
};

TEST_F(ConsoleUpdates, TheButtonAsksChecksAndShowsTheNewVersion) {
    engine->state.settings.hubServerAddress = hub.address("/hub");
    fakes.notifications.answerYes = true;
    window.checkForUpdatesNow();
    EXPECT_EQ(fakes.notifications.questions.value(0), "Check for program updates now?");
    waitForTheCheck();
    EXPECT_TRUE(fakes.console.lines.contains("A.I. > Checking for Q.I.V.O™ update(s).."));
    ASSERT_FALSE(fakes.notifications.informations.isEmpty());
    EXPECT_TRUE(fakes.notifications.informations.last().startsWith(
        "New Q.I.V.O™ update(s) version No. 99 is available."));
}

TEST_F(ConsoleUpdates, TheOfflineMessageComesOncePerPress) {
    const quint16 port = hub.serverPort();
    hub.close();
    engine->state.settings.hubServerAddress = QStringLiteral("http://127.0.0.1:%1").arg(port);
    for (int press = 1; press <= 2; ++press) {
        fakes.console.lines.clear();
        window.checkForUpdatesNow();
        waitForTheCheck();
        EXPECT_EQ(fakes.notifications.informations.count(), press);
    }
    EXPECT_EQ(fakes.notifications.informations.last(),
              "Cannot check for update(s) because Q.I.V.O™ Hub Server™ is offline.");
}

TEST_F(ConsoleUpdates, TheMonthlyCheckRunsOnceAMonthAndNotWithoutAnAddress) {
    engine->state.settings.hubServerAddress = hub.address("/hub");
    engine->state.settings.automaticUpdates = true;
    engine->state.settings.lastSaveMonth = "12";
    window.Timer5Timer();
    EXPECT_TRUE(fakes.console.lines.filter("Checking").isEmpty()) << "saved this month";
    EXPECT_TRUE(window.Timer1.isActive()) << "the offline reminder follows in every case";

    engine->state.settings.lastSaveMonth = "11";
    engine->state.settings.hubServerAddress.clear();
    window.Timer5Timer();
    EXPECT_TRUE(fakes.console.lines.filter("Checking").isEmpty());
    EXPECT_TRUE(fakes.notifications.questions.isEmpty()) << "automatic updates do not ask";
}

}  // namespace
