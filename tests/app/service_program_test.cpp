#include "engine/settings.h"
#include "irc/irc_peers.h"
#include "support/managed_home.h"

#include <gtest/gtest.h>
#include <QProcess>

#include <csignal>

namespace {

// Run as a service: a fresh home with the IRC settings filled in and "Automatic Q.I.V.O™ Startup"
// checked, started headless with nothing on stdin. It goes online by itself, stays when stdin
// ends, answers in its channel, and on SIGTERM leaves with its quit message and exits 0.
TEST(ServiceProgram, GoesOnlineByItselfAndLeavesCleanlyOnSigterm) {
    ManagedHome home;
    const int port = FromNetwork("TALVANE_TEST_NGIRCD_PORT");
    const QString nick = UniqueName("Sv"), channel = UniqueName("#sv");
    const QString options = home.path() + "/Main/Options.ini";
    Settings s;
    LoadSettings(s, options);
    s.ircServer = "127.0.0.1";
    s.ircPort = QString::number(port);
    s.nickname = nick;
    s.defaultJoinChannel = channel;
    s.automaticStartup = true;
    s.typingSimulation = false;
    SaveSettings(s, options, QDate::currentDate());

    ScriptedUser user;
    ASSERT_TRUE(user.connectTo(quint16(port), UniqueName("u")));
    user.send("JOIN " + channel);
    ASSERT_FALSE(user.waitForLine("*366 ").isEmpty());

    QProcess program;
    program.setStandardInputFile(QProcess::nullDevice());
    program.start(TALVANE_PROGRAM, {"--headless", "--home", home.path()});
    ASSERT_TRUE(program.waitForStarted());
    const QString joined = user.waitForLine(":" + nick + '!', 180000);
    ASSERT_TRUE(joined.contains(" JOIN "))
        << joined.toStdString() << program.readAllStandardOutput().toStdString();
    EXPECT_EQ(program.state(), QProcess::Running) << "the end of stdin does not end a service";
    const pid_t server = pid_t(ServerPidOf(home.path()));
    ASSERT_GT(server, 0);

    qsizetype from = user.lines.size();
    user.send("PRIVMSG " + channel + " :" + nick + ": hello");
    // The answer is drawn at random; it names the user somewhere in it.
    const QString answer = user.waitForLine("*PRIVMSG " + channel + " :", 30000, from);
    EXPECT_TRUE(answer.contains(user.nick)) << user.lines.join('\n').toStdString();

    from = user.lines.size();
    program.terminate();
    const QString quit = user.waitForLine("*:" + nick + '!', 10000, from);
    EXPECT_TRUE(quit.contains(" QUIT :")) << quit.toStdString();
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    for (const char* line : {"A.I. > Enabled autostart function.", "A.I. > IRC server connected.",
                             "A.I. > Joining default channel.."})
        EXPECT_TRUE(out.contains(line)) << line;
    EXPECT_NE(::kill(server, 0), 0) << "the brain server it started is stopped";
}

}  // namespace
