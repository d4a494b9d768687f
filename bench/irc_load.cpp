// The character under load on IRC: scripted users each send a line that names the character to
// its channel every 2 s, against the loopback ngircd of the test network (./test starts it, or
// scripts/test-irc-network), with the real client, its send governor and the whole NLP cycle on
// a throwaway brain. Prints the time from a user's line to the first line of its answer (p50,
// p95), the lines the character sent per second (never above the governor's 1 a second after
// its burst), and the resident memory at the start and the end.
// Arguments: users (20), seconds (300).

#include "bench_engine.h"
#include "brain/query.h"
#include "irc/irc_link.h"
#include "irc/irc_online.h"
#include "irc/irc_peers.h"
#include "pipeline/assemble_stages.h"
#include "support/assembled_engine.h"
#include "support/fake_outside.h"
#include "support/test_brain.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <memory>
#include <vector>

namespace {

// Kilobytes of resident memory of this process.
long RssKb() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

struct LoadUser {
    std::unique_ptr<ScriptedUser> peer;
    std::deque<qint64> waiting;  // when each unanswered line was sent, ms
    qsizetype seen = 0;          // lines already read
    int sent = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int userCount = args.size() > 1 ? args[1].toInt() : 20;
    const int seconds = args.size() > 2 ? args[2].toInt() : 300;
    const int port = qEnvironmentVariableIntValue("TALVANE_TEST_NGIRCD_PORT");
    if (port <= 0 || userCount <= 0 || seconds <= 0) {
        std::fprintf(stderr,
                     "irc_load [users] [seconds]: TALVANE_TEST_NGIRCD_PORT must name the "
                     "loopback ngircd (see README.md)\n");
        return 2;
    }

    FakeOutside fakes;
    TestBrain brain;
    AssembledEngine assembled{brain.db(), fakes.outside()};
    Engine& engine = *assembled.engine;
    IrcClient client;
    IrcLink link{client};
    SystemClock clock;
    engine.out.irc = &link;
    engine.out.clock = &clock;
    IrcOnline online{engine, client};
    AssembleOnlineStages(engine.stages, online);
    Settings& s = engine.state.settings;
    const QString nick = UniqueName("Ld"), channel = UniqueName("#load");
    s.ircServer = "127.0.0.1";
    s.ircPort = QString::number(port);
    s.nickname = nick;
    s.defaultJoinChannel = channel;
    s.nickServIdentity.clear();
    s.typingSimulation = false;
    s.showDetailedConsoleLogTexts = false;
    s.allowLonelyTalking = false;
    s.enableConsoleSounds = false;

    online.StartArtificialIntelect();
    if (!WaitUntil([&] { return client.channels().contains(channel); }, 30000)) {
        std::fprintf(stderr, "the character did not get into %s\n", qPrintable(channel));
        return 1;
    }
    QElapsedTimer clockMs;
    clockMs.start();
    std::vector<qint64> sentAt;  // ms of every line the character sent
    QObject::connect(&client, &IrcClient::lineSent, [&] { sentAt.push_back(clockMs.elapsed()); });

    std::vector<LoadUser> users(static_cast<size_t>(userCount));
    for (LoadUser& user : users) {
        user.peer = std::make_unique<ScriptedUser>();
        if (!user.peer->connectTo(quint16(port), UniqueName("u"))) return 1;
        user.peer->send("JOIN " + channel);
    }
    const long rssStart = RssKb();
    const qint64 start = clockMs.elapsed();
    Timings latencies;

    // Each user speaks every 2 s, the users spread evenly over those 2 s.
    QTimer speaker;
    speaker.setInterval(2000 / userCount > 0 ? 2000 / userCount : 1);
    size_t next = 0;
    QObject::connect(&speaker, &QTimer::timeout, [&] {
        if (clockMs.elapsed() - start >= qint64(seconds) * 1000) return speaker.stop();
        LoadUser& user = users[next++ % users.size()];
        user.peer->send(
            QStringLiteral("PRIVMSG %1 :%2: hello number %3").arg(channel, nick).arg(++user.sent));
        user.waiting.push_back(clockMs.elapsed());
    });
    // An answer to a user starts with the user's nick.
    QTimer reader;
    reader.setInterval(20);
    QObject::connect(&reader, &QTimer::timeout, [&] {
        const QString head = "PRIVMSG " + channel + " :";
        for (LoadUser& user : users) {
            for (; user.seen < user.peer->lines.size(); ++user.seen) {
                const QString& line = user.peer->lines[user.seen];
                if (!line.startsWith(':' + nick + '!') || !line.contains(head + user.peer->nick) ||
                    user.waiting.empty())
                    continue;
                latencies.add(double(clockMs.elapsed() - user.waiting.front()));
                user.waiting.pop_front();
            }
        }
    });
    speaker.start();
    reader.start();
    WaitUntil([&] { return !speaker.isActive(); }, seconds * 1000 + 5000);
    const qint64 end = clockMs.elapsed();
    // The answers still under way may come for a little while; they are counted, not waited for.
    WaitUntil([] { return false; }, 3000);
    reader.stop();
    const long rssEnd = RssKb();

    int asked = 0;
    for (const LoadUser& user : users)
        asked += user.sent;
    int busiest = 0;
    for (size_t i = 0, j = 0; j < sentAt.size(); ++j) {
        while (sentAt[j] - sentAt[i] >= 1000)
            ++i;
        busiest = std::max(busiest, int(j - i + 1));
    }
    const double span = double(end - start) / 1000.0;
    std::printf("%d users, a line each every 2 s for %.0f s: %d lines asked, %lld answered\n",
                userCount, span, asked, static_cast<long long>(latencies.ms.size()));
    std::printf("line to first answer line: p50 %.0f ms, p95 %.0f ms\n", latencies.percentile(50),
                latencies.percentile(95));
    std::printf("lines sent: %.2f a second on average, at most %d within any second\n",
                double(sentAt.size()) / span, busiest);
    std::printf("resident memory: %ld kB at the start, %ld kB at the end\n", rssStart, rssEnd);
    online.StopArtificialIntelect();
    WaitUntil([&] { return client.isOffline(); }, 5000);
    return 0;
}
