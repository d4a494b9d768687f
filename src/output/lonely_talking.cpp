#include "lonely_talking.h"

#include "brain/nick_encoding.h"
#include "engine/brain_outage.h"
#include "engine/console_log.h"
#include "engine/contains.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"
#include "engine/event_answer.h"
#include "engine/time_text.h"

#include <algorithm>

namespace {

constexpr int kMinutesOfADay = 24 * 60;

// Whole minutes from `then` ("hh:mm:ss", seconds ignored) to `now`, across the hour and across
// midnight: the entries keep a time of day, no date.
int MinutesSince(const QString& then, QTime now) {
    const QTime heard = QTime::fromString(then, "hh:mm:ss");
    const int from = heard.isValid() ? heard.hour() * 60 + heard.minute() : 0;
    const int to = now.hour() * 60 + now.minute();
    return (to - from + kMinutesOfADay) % kMinutesOfADay;
}

// The silence that earns a lonely phrase this time: 0 to 29 minutes, raised to 3 when smaller.
int DrawThreshold(Engine& engine) {
    return std::max(3, engine.out.random->bounded(30));
}

void DeliverNow(Engine& engine) {
    Run(engine.stages.PrepareDelivery, engine);
    Run(engine.stages.StartDelivery, engine);
}

}  // namespace

void WatchUser(Engine& engine) {
    EngineState& s = engine.state;
    const Request& r = s.request;
    if (!r.Highlighted && !r.PrivateInput) return;
    if (s.settings.quietProcessingModeInIrc && r.TargetKind != TargetKind::Local) return;
    const bool known =
        std::any_of(s.stores.UserVarStore.begin(), s.stores.UserVarStore.end(),
                    [&](const TUserVariables& user) { return user.nick == r.UserNick; });
    TUserVariables& user = s.stores.userVariables(r.UserNick);
    if (known) ++user.lonelyTalkingCount;
    if (user.lonelyTalkingCount < SettingNumber(s.settings.LTT_MinDgCnt, 0)) return;

    const TLTimers entry{r.TargetKind, r.ReplyTarget, r.UserKey, s.clock.TimeText};
    QList<TLTimers>& watched = s.stores.TimerStore;
    const auto at = std::find_if(watched.begin(), watched.end(),
                                 [&](const TLTimers& e) { return e.userKey == r.UserKey; });
    if (at != watched.end()) {
        DetailLine(engine, "A.I. > Rewriting users " + r.UserNick +
                               " information in \"Lonely Talking\" timer..");
        *at = entry;
        DetailLine(engine, "A.I. > Information for user " + r.UserNick + " rewrited.");
        return;
    }
    DetailLine(engine, "A.I. > Adding users " + r.UserNick +
                           " information into \"Lonely Talking\" timer..");
    watched.append(entry);
    DetailLine(engine, "A.I. > Information for user " + r.UserNick + " added.");
}

void UnwatchUser(Engine& engine, const QString& userKey) {
    const QString nick = DecodeNick(userKey);
    DetailLine(engine,
               "A.I. > Removing users " + nick + " information from \"Lonely Talking\" timer..");
    QList<TLTimers>& watched = engine.state.stores.TimerStore;
    const auto at = std::find_if(watched.begin(), watched.end(),
                                 [&](const TLTimers& e) { return e.userKey == userKey; });
    if (at != watched.end()) watched.erase(at);
    DetailLine(engine, "A.I. > Information for user " + nick + " removed.");
}

void StopLonely(Engine& engine) {
    EngineState& s = engine.state;
    Request& r = s.request;
    if (!Contains(r.WorkPhrase, "[STOPLONELY]")) return;
    UnwatchUser(engine, r.UserKey);
    s.outcomes.StopLonelyAnswered = true;
    AnswerWithEvent(engine, "On Stop Lonely");
    SaveInputContext(engine);
    s.lonely.speaking = false;
    DeliverNow(engine);
    r.Answered = true;
}

LonelyTalking::LonelyTalking(Engine& engine) : engine_(engine) {
    LonelyTimer.setInterval(60000);
    connect(&LonelyTimer, &QTimer::timeout, this, &LonelyTalking::LonelyTimerTimer);
}

void LonelyTalking::StartLonelyTimer() {
    if (!engine_.state.paused && !LonelyTimer.isActive()) LonelyTimer.start();
}

void LonelyTalking::LonelyTimerTimer() {
    RunTimerWork(engine_, [this] { speakToTheSilent(); });
}

void LonelyTalking::speakToTheSilent() {
    const EngineState& s = engine_.state;
    if (!s.settings.allowLonelyTalking || s.stores.TimerStore.isEmpty() || s.paused) {
        LonelyTimer.stop();
        return;
    }
    AdditionalConsoleView& log = *engine_.out.additional;
    const QDateTime now = engine_.out.clock->now();
    const int threshold = DrawThreshold(engine_);
    log.logLine("A.I. > Generating \"Lonely Talking\" time difference at " +
                now.toString("hh:mm:ss") + ".");
    log.logLine("A.I. > Generated difference " + QString::number(threshold) + " minute(s).");
    for (qsizetype at = 0; at < engine_.state.stores.TimerStore.size();) {
        const TLTimers& entry = engine_.state.stores.TimerStore[at];
        const QString nick = DecodeNick(entry.userKey);
        const int silence = MinutesSince(entry.lastInputTime, now.time());
        log.logLine("A.I. > Users " + nick + " realtime difference " + QString::number(silence) +
                    " minutes.");
        if (silence < threshold) {
            ++at;
            continue;
        }
        log.logLine("A.I. > Difference timer match for user " + nick + " at " +
                    LongTimeText(now.time()) + ".");
        // The entry that moves into this place is the next one examined.
        speakTo(at);
    }
}

void LonelyTalking::speakTo(qsizetype at) {
    EngineState& s = engine_.state;
    const TLTimers entry = s.stores.TimerStore[at];
    s.lonely = LonelyState{true, entry.userKey, {}, entry.replyTarget, entry.targetKind};
    AnswerWithEvent(engine_, "On Lonely Talking");
    s.lonely.outputPhrase = s.request.OutputPhrase;
    DeliverNow(engine_);
    // The next cycle answers its own user again.
    s.lonely.speaking = false;
    engine_.stages.UnwatchUser(engine_, entry.userKey);
    s.stores.userVariables(DecodeNick(entry.userKey)).lonelyTalkingCount = 0;
}
