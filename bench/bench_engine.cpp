#include "bench_engine.h"

#include "engine/input_queue.h"
#include "engine/program_home.h"
#include "pipeline/assemble_stages.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <numeric>

BenchEngine::BenchEngine() {
    SeedProgramHome(home_.path(), QStringLiteral(TALVANE_SOURCE_DATA_DIR));
    engine_ = std::make_unique<Engine>(brain_.db(), fakes_.outside(), ProgramHome(home_.path()));
    delivery_ = std::make_unique<Delivery>(*engine_);
    AssembleStages(engine_->stages, *delivery_);
    LoadSettings(engine_->state.settings, engine_->home.path("Main/Options.ini"));
    // Lines are handed over at once: the typing delay is a timer, never part of a cycle.
    engine_->state.settings.typingSimulation = false;
}

TInput BenchEngine::local(const QString& phrase) const {
    return LocalInput(*engine_, phrase);
}

TInput BenchEngine::privateMessage(const QString& nick, const QString& phrase) const {
    return TInput{.TargetKind = 3,
                  .UserAddress = nick.toLower() + "@bench.example",
                  .ReplyTarget = nick,
                  .UserNick = nick,
                  .RawText = phrase,
                  .OriginalPhrase = phrase,
                  .UpperPhrase = phrase.toUpper(),
                  .Highlighted = 0};
}

BenchEngine::Cycle BenchEngine::run(const TInput& input, int pauseSeconds) {
    fakes_.clock.at = fakes_.clock.at.addSecs(pauseSeconds);
    fakes_.console.lines.clear();
    fakes_.additional.chat.clear();
    if (input.TargetKind == 0) {
        EnqueueLocalInput(*engine_, input);
    } else {
        EnqueueIrcInput(*engine_, input);
    }
    const qint64 statementsBefore = brain_.db().statementCount();
    QElapsedTimer timer;
    timer.start();
    engine_->NLPtimerTimer();
    const Cycle cycle{double(timer.nsecsElapsed()) / 1e6,
                      brain_.db().statementCount() - statementsBefore};
    for (int tick = 0; tick < 100 && delivery_->MultiLineAnswering.isActive(); ++tick)
        delivery_->DeliverNextLine();
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
