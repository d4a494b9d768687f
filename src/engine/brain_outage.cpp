#include "brain_outage.h"

#include "brain/query.h"
#include "console_log.h"
#include "engine.h"

#include <utility>

void HoldInputForBrain(Engine& engine, const DbConnectionLost& lost) {
    QList<TInput>& queue = engine.state.stores.InputStore;
    if (engine.inputInCycle) queue.prepend(*std::exchange(engine.inputInCycle, std::nullopt));
    engine.state.ProcessesRemaining = int(queue.size());
    ReportBrainLost(engine, lost);
}

void ReportBrainLost(Engine& engine, const DbConnectionLost& lost) {
    engine.NLPtimer.stop();
    engine.out.console->setColour(ConsoleColour::Lime);
    ConsoleLine(engine, QStringLiteral("A.I. > Error: %1").arg(QString::fromUtf8(lost.what())));
    if (engine.waitingForBrain) return;
    engine.waitingForBrain = true;
    ConsoleLine(engine,
                "A.I. > Lost connection to the brain server: inputs wait until it is back.");
    engine.showStatusLine();
    emit engine.brainLost();
}

void ResumeAfterBrain(Engine& engine) {
    engine.waitingForBrain = false;
    const QList<TInput>& queue = engine.state.stores.InputStore;
    ConsoleLine(engine, QStringLiteral("A.I. > The brain server is back: %1 waiting inputs go on.")
                            .arg(queue.size()));
    engine.showStatusLine();
    if (!queue.isEmpty()) engine.NLPtimer.start();
    emit engine.brainBack();
}

bool RunTimerWork(Engine& engine, const std::function<void()>& work) {
    try {
        work();
    } catch (const DbConnectionLost& lost) {
        ReportBrainLost(engine, lost);
        return false;
    } catch (const std::exception& error) {
        engine.out.console->setColour(ConsoleColour::Lime);
        ConsoleLine(engine,
                    QStringLiteral("A.I. > Error: %1").arg(QString::fromUtf8(error.what())));
    }
    return true;
}
