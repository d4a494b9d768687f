#include "dbadmin/startup_checks.h"
#include "support/managed_home.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QTcpServer>
#include <QThread>

#include <csignal>

namespace {

// Headless on a server: a brain server that is killed and cannot be started again ends the
// program with the lost-connection message and a failure exit code, not a quiet 0.
TEST(ProgramOutage, AServerThatCannotComeBackEndsTheProgramWithExitCode1) {
    ManagedHome home;
    const int port = home.config().port;
    QProcess program;
    program.start(TALVANE_PROGRAM, {"--headless", "--home", home.path()});
    ASSERT_TRUE(program.waitForStarted());
    QByteArray out;
    while (!out.contains("first program startup") && program.waitForReadyRead(60000))
        out += program.readAllStandardOutput();
    ASSERT_TRUE(out.contains("first program startup")) << out.toStdString();

    const pid_t server = pid_t(ServerPidOf(home.path()));
    ASSERT_EQ(::kill(server, SIGKILL), 0);
    for (int i = 0; i < 100 && ::kill(server, 0) == 0; ++i)
        QThread::msleep(100);
    QTcpServer squatter;
    ASSERT_TRUE(squatter.listen(QHostAddress::LocalHost, quint16(port)));
    program.write("hello\n");
    program.closeWriteChannel();

    ASSERT_TRUE(program.waitForFinished(120000));
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError()).contains(kLostConnectionMessage));
    EXPECT_TRUE(program.readAllStandardOutput().contains("inputs wait until it is back"));
}

}  // namespace
