#pragma once

#include "support/assembled_engine.h"
#include "support/fake_outside.h"
#include "support/test_brain.h"

#include <QList>
#include <QString>

// The whole program's engine in-process, on a throwaway brain of the test database server, with
// the shipped settings and recording stand-ins for the console, IRC and the clock. Benchmarks
// push inputs through the real NLP cycle and read the figures back.
class BenchEngine {
  public:
    BenchEngine();

    // What one cycle took.
    struct Cycle {
        double ms = 0;
        qint64 statements = 0;
        qint64 writes = 0;
        double statementMs = 0;  // of `ms`, the part spent in statements
    };
    // Runs one input through the cycle and measures it; the answer lines are delivered
    // afterwards, outside the measured time. The clock moves on by `pauseSeconds` first, as
    // between two messages of a chat.
    Cycle run(const TInput& input, int pauseSeconds = 600);
    // The owner's phrase on the local console, and a private message of `nick`.
    TInput local(const QString& phrase) const;
    TInput privateMessage(const QString& nick, const QString& phrase) const;

    // The console lines of the last cycle.
    const QStringList& consoleLines() const { return fakes_.console.lines; }

    Engine& engine() { return *assembled_.engine; }
    Query& db() { return brain_.db(); }

  private:
    FakeOutside fakes_;
    TestBrain brain_;
    AssembledEngine assembled_{brain_.db(), fakes_.outside()};
};

// The figures of a set of timings in milliseconds.
struct Timings {
    QList<double> ms;
    void add(double value) { ms << value; }
    // The value below which `percent` of the timings lie (nearest rank).
    double percentile(double percent) const;
    double mean() const;
};
