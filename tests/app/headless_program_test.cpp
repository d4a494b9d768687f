#include "engine/stages.h"
#include "support/managed_home.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

// A script drives the real program headless: its first line says so, its cycle can be watched
// stage by stage, and nothing a user types puts control bytes on the terminal.
TEST(HeadlessProgram, AScriptSeesTheNoticeTheTraceAndNoControlBytes) {
    ManagedHome home;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_LOGGING_RULES", "talvane.cycle.debug=true");
    program.setProcessEnvironment(environment);
    program.start(TALVANE_PROGRAM, {"--headless", "--home", home.path()});
    ASSERT_TRUE(program.waitForStarted());
    program.write("hel\x1b[2Jlo there\x07\n");
    program.closeWriteChannel();
    ASSERT_TRUE(program.waitForFinished(180000));
    EXPECT_EQ(program.exitCode(), 0);
    const QByteArray out = program.readAllStandardOutput();
    const QString err = QString::fromUtf8(program.readAllStandardError());

    EXPECT_TRUE(out.startsWith("Running headless: ")) << out.left(200).toStdString();
    for (const char c : out)
        EXPECT_TRUE(c == '\n' || c == '\t' || static_cast<unsigned char>(c) >= 0x20) << int(c);
    EXPECT_TRUE(out.contains("Owner : hel[2Jlo there\n")) << out.toStdString();

    // Every stage the phrase passes names itself with the phrase it left.
    for (const char* stage : {"ClassifyDaytime", "TokenisePhrase", "SmartInputCorrection",
                              "ApplySynonyms", "LookupAnswer", "PrepareDelivery"})
        EXPECT_TRUE(err.contains(QString("talvane.cycle: ") + stage + ": \"")) << stage;
}

}  // namespace
