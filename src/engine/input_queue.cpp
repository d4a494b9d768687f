#include "input_queue.h"

#include "console_log.h"
#include "engine.h"
#include "log_files.h"
#include "time_text.h"

#include <algorithm>

namespace {

void Enqueue(Engine& engine, const TInput& input, bool sameNickIsDuplicate) {
    EnsureConversationLogs(engine, input.ReplyTarget, input.UserNick);
    auto& queue = engine.state.stores.InputStore;
    const bool duplicate = std::any_of(queue.begin(), queue.end(), [&](const TInput& queued) {
        return queued.UserNick == input.UserNick &&
               (sameNickIsDuplicate || queued.UpperPhrase == input.UpperPhrase);
    });
    if (!duplicate) queue.append(input);
    ConsoleLine(engine, "A.I. > NLP (Natural Language Processing) preparing process: " +
                            QString::number(queue.size()));
}

}  // namespace

void EnqueueIrcInput(Engine& engine, const TInput& input) {
    Enqueue(engine, input, false);
}

void EnqueueLocalInput(Engine& engine, const TInput& input) {
    Enqueue(engine, input, true);
}

TInput PopInput(Engine& engine) {
    engine.inputInCycle = engine.state.stores.InputStore.takeFirst();
    return *engine.inputInCycle;
}

TInput LocalInput(const Engine& engine, const QString& phrase) {
    const QString owner = engine.state.settings.ownersNickname;
    return TInput{.TargetKind = TargetKind::Local,
                  .UserAddress = "127.0.0.1",
                  .ReplyTarget = owner,
                  .UserNick = owner,
                  .RawText = {},
                  .OriginalPhrase = phrase,
                  .UpperPhrase = phrase.toUpper(),
                  .Highlighted = false};
}

void QueueOwnersPhrase(Engine& engine, const QString& phrase) {
    EngineState& s = engine.state;
    if (s.paused) {
        PlayCue(engine, QStringLiteral("unpause.wav"));
        engine.out.console->setColour(ConsoleColour::Lime);
        s.paused = false;
    }
    const TInput input = LocalInput(engine, phrase);
    engine.out.additional->chatLine(LongTimeText(engine.out.clock->now().time()) + " > " +
                                    s.settings.ownersNickname + " : " + phrase);
    if (s.settings.clearLogTextsBeforeEachNlp) engine.out.console->clear();
    if (s.settings.allowLonelyTalking) Run(engine.stages.StartLonelyTimer, engine);
    ConsoleLine(engine, "A.I. > NLP (Natural Language Processing) preparing process: " +
                            QString::number(s.stores.InputStore.size() + 1));
    EnqueueLocalInput(engine, input);
    engine.NLPtimer.start();
}
