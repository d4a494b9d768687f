#include "bench_engine.h"

#include "engine/input_queue.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <numeric>

BenchEngine::BenchEngine() {
    // Lines are handed over at once: the typing delay is a timer, never part of a cycle.
    assembled_.engine->state.settings.typingSimulation = false;
}

TInput BenchEngine::local(const QString& phrase) const {
    return LocalInput(*assembled_.engine, phrase);
}

TInput BenchEngine::privateMessage(const QString& nick, const QString& phrase) const {
    return TInput{.TargetKind = TargetKind::Private,
                  .UserAddress = nick.toLower() + "@bench.example",
                  .ReplyTarget = nick,
                  .UserNick = nick,
                  .RawText = phrase,
                  .OriginalPhrase = phrase,
                  .UpperPhrase = phrase.toUpper(),
                  .Highlighted = false};
}

BenchEngine::Cycle BenchEngine::run(const TInput& input, int pauseSeconds) {
    fakes_.clock.at = fakes_.clock.at.addSecs(pauseSeconds);
    fakes_.console.lines.clear();
    fakes_.additional.chat.clear();
    EnqueueInput(*assembled_.engine, input);
    const qint64 statementsBefore = brain_.db().statementCount();
    const qint64 writesBefore = brain_.db().writeCount();
    const qint64 statementNsBefore = brain_.db().statementNanoseconds();
    QElapsedTimer timer;
    timer.start();
    assembled_.engine->NLPtimerTimer();
    const Cycle cycle{double(timer.nsecsElapsed()) / 1e6,
                      brain_.db().statementCount() - statementsBefore,
                      brain_.db().writeCount() - writesBefore,
                      double(brain_.db().statementNanoseconds() - statementNsBefore) / 1e6};
    for (int tick = 0; tick < 100 && assembled_.delivery->MultiLineAnswering.isActive(); ++tick)
        assembled_.delivery->DeliverNextLine();
    return cycle;
}

double Timings::percentile(double percent) const {
    if (ms.isEmpty()) return 0;
    QList<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    const qsizetype rank = qsizetype(std::ceil(percent / 100.0 * double(sorted.size())));
    return sorted[std::clamp<qsizetype>(rank - 1, 0, sorted.size() - 1)];
}

double Timings::mean() const {
    if (ms.isEmpty()) return 0;
    return std::accumulate(ms.begin(), ms.end(), 0.0) / double(ms.size());
}
