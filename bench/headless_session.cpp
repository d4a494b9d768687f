// A session of the owner's phrases through the headless program, timed from outside as a user
// would meet it: every other line teaches ("#...") the answer to the phrase before it. The
// program runs on a home of its own in a temporary folder with its own brain server, taught
// `rows` rows first and then started again, so that it builds its copy of the stored questions at
// start as a long-taught character does. Arguments: rows (100000), lines (200).

#include "bench_engine.h"
#include "taught_brain.h"

#include "brain/db_config.h"
#include "brain/query.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr int kLineTimeoutMs = 60000;

// The headless program on `home`, its console lines read as they come.
class Program {
  public:
    explicit Program(const QString& home) {
        process_.setProgram(TALVANE_PROGRAM);
        process_.setArguments({"--headless", "--home", home});
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start();
        if (!process_.waitForStarted()) throw std::runtime_error("the program did not start");
    }
    ~Program() {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(kLineTimeoutMs)) process_.kill();
    }

    // From writing a line to the end of its cycle, and of that the cycle itself: from its first
    // console line to its last, as they arrive.
    struct Times {
        double wait = 0, cycle = 0;
    };
    // Writes the owner's line and waits for the end of its cycle.
    Times say(const QString& line) {
        QElapsedTimer timer;
        timer.start();
        process_.write((line + '\n').toUtf8());
        const qint64 started = waitFor("A.I. > NLP started.", timer);
        const qint64 finished = waitFor("A.I. > NLP finished.", timer);
        return {double(finished) / 1e6, double(finished - started) / 1e6};
    }

  private:
    // The nanoseconds on `timer` when a line that starts with `start` arrived.
    qint64 waitFor(const QString& start, const QElapsedTimer& timer) {
        const qint64 end = timer.elapsed() + kLineTimeoutMs;
        while (timer.elapsed() < end) {
            while (process_.canReadLine())
                if (QString::fromUtf8(process_.readLine()).startsWith(start))
                    return timer.nsecsElapsed();
            process_.waitForReadyRead(100);
            if (process_.state() == QProcess::NotRunning)
                throw std::runtime_error("the program ended: " +
                                         process_.readAll().right(2000).toStdString());
        }
        throw std::runtime_error("no \"" + start.toStdString() + "\" within a minute");
    }

    QProcess process_;
};

// Answers at once: "Typing Simulation" (line 28 of Main/Options.ini) would make every answer
// wait as long as a typist, which is the design's pace and not the program's.
void WithoutTypingSimulation(const QString& home) {
    QFile file(home + "/Main/Options.ini");
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("no Main/Options.ini");
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    if (lines.size() < 28) throw std::runtime_error("Main/Options.ini is too short");
    lines[27] = lines[27].endsWith('\r') ? "0\r" : "0";
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(lines.join('\n')) < 0)
        throw std::runtime_error("cannot write Main/Options.ini");
}

void Print(const char* name, const Timings& t) {
    std::printf("  %-24s p50 %7.1f   p95 %7.1f   p99 %7.1f   max %7.1f ms (%lld lines)\n", name,
                t.percentile(50), t.percentile(95), t.percentile(99), t.percentile(100),
                static_cast<long long>(t.ms.size()));
}

void Run(int rows, int lines) {
    QTemporaryDir home;
    TaughtBrain taught;
    {
        Program first(home.path());
        first.say("hello");
        Query db(LoadDbConfig(DbConfigPath(home.path())));
        QElapsedTimer timer;
        timer.start();
        taught.grow(db, rows);
        std::printf("brain of %d taught rows, taught in %.1f s\n", rows,
                    double(timer.elapsed()) / 1000);
    }
    // Only now: a program writes its settings back when it ends.
    WithoutTypingSimulation(home.path());
    QElapsedTimer startUp;
    startUp.start();
    Program program(home.path());
    program.say("hello");
    std::printf("start to the first answer %.2f s\n", double(startUp.elapsed()) / 1000);

    Timings phraseWaits, phraseCycles, teachingWaits, teachingCycles;
    for (int i = 0; i < lines; ++i) {
        const bool teaches = i % 2;
        const Program::Times times =
            program.say(teaches ? "#" + taught.words(6) + "!"
                                : (i % 4 ? taught.unknownPhrase() : taught.storedPhrase()));
        (teaches ? teachingWaits : phraseWaits).add(times.wait);
        (teaches ? teachingCycles : phraseCycles).add(times.cycle);
    }
    std::printf("  from writing a line to the end of its cycle:\n");
    Print("phrase, after a \"#\"", phraseWaits);
    Print("\"#\" teaching", teachingWaits);
    std::printf("  the cycle alone:\n");
    Print("phrase, after a \"#\"", phraseCycles);
    Print("\"#\" teaching", teachingCycles);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QString(argv[1]).toInt() : 100000;
    const int lines = argc > 2 ? QString(argv[2]).toInt() : 200;
    std::printf(
        "The owner's lines through the headless program, timed from outside. A line waits for the "
        "program's\nown pace: it is taken when the answer before it has been delivered (a "
        "multi-line answer takes\nseconds), looked at every 100 ms, and its cycle starts at the "
        "next 300 ms tick.\n\n");
    try {
        Run(rows, lines);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "headless_session: %s\n", e.what());
        return 1;
    }
    return 0;
}
