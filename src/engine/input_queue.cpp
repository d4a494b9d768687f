#include "input_queue.h"

#include "console_log.h"
#include "engine.h"
#include "log_files.h"
#include "text_rules.h"
#include "time_text.h"

#include <algorithm>

namespace {

// One user cannot bury everybody else's answers under a heap of own inputs.
constexpr qsizetype kMaxWaitingPerUser = 3;

// What enters the engine carries no control characters: they would reach the brain, the logs
// and the console.
TInput Cleaned(TInput input) {
    for (QString* text : {&input.UserAddress, &input.ReplyTarget, &input.UserNick, &input.RawText,
                          &input.OriginalPhrase, &input.UpperPhrase})
        *text = WithoutControls(*text);
    return input;
}

void Enqueue(Engine& engine, const TInput& raw, bool sameNickIsDuplicate) {
    const TInput input = Cleaned(raw);
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
    const auto& queue = engine.state.stores.InputStore;
    const QString nick = WithoutControls(input.UserNick);
    const qsizetype waiting = std::count_if(
        queue.begin(), queue.end(), [&](const TInput& queued) { return queued.UserNick == nick; });
    if (waiting >= kMaxWaitingPerUser) {
        DetailLine(engine, "A.I. > Input of " + nick + " dropped: " + QString::number(waiting) +
                               " inputs of this user are waiting already.");
        return;
    }
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

void QueueOwnersPhrase(Engine& engine, const QString& typed) {
    // A phrase of nothing but control characters says nothing, like an empty line.
    const QString phrase = WithoutControls(typed);
    if (phrase.isEmpty()) return;
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
