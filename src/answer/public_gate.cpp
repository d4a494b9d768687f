#include "public_gate.h"

#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/settings.h"

#include <algorithm>

namespace {

int Moment(const TLPRecord& record) {
    return record.hour * 3600 + record.minute * 60 + record.second;
}

void SetMoment(TLPRecord& record, const QTime& time) {
    record.hour = time.hour();
    record.minute = time.minute();
    record.second = time.second();
}

TLPRecord NewRecord(const QString& channel, const QTime& time) {
    TLPRecord record{channel};
    SetMoment(record, time);
    return record;
}

TLPRecord* Find(QList<TLPRecord>& table, const QString& channel) {
    const auto at = std::find_if(table.begin(), table.end(), [&](const TLPRecord& record) {
        return record.channel == channel;
    });
    return at == table.end() ? nullptr : &*at;
}

// Seconds from the record's moment to now; a moment across midnight counts as no time.
int Elapsed(const TLPRecord& record, int now) {
    return std::max(0, now - Moment(record));
}

}  // namespace

void PublicAnswerGate(Engine& engine) {
    EngineState& s = engine.state;
    Request& r = s.request;
    bool& veto = s.publicGate.IntelligentModeRefused;
    veto = false;
    if (r.TargetKind == TargetKind::Local || !r.Answered || !s.settings.processPublicMessages ||
        !s.settings.answerOnPublicMessages || !s.settings.answerOnPmIntelligentMode)
        return;
    if (r.TargetKind != TargetKind::Private)
        ConsoleLine(engine, "A.I. > Processing \"Answer On P.M.\" Intelligent Mode..");
    const QString& channel = r.ReplyTarget;
    if (engine.db.open("SELECT * FROM users_online WHERE channel = ?", {channel}) <= 2) return;
    if (r.AdmMatch && r.TargetKind != TargetKind::HighlightedChannel) {
        veto = true;
        return;
    }

    PublicGateTables& gate = s.publicGate;
    const QTime time = engine.out.clock->now().time();
    const int now = time.hour() * 3600 + time.minute() * 60 + time.second();
    // Edits that hold no whole number count as the shipped values.
    const int tickSec = SettingNumber(s.settings.PubTickSec, 60);
    const int tickTimeout = SettingNumber(s.settings.PubTickTimeout, 600);
    bool historyReset = false;
    if (TLPRecord3* last = Find(gate.activity, channel)) {
        const int elapsed = Elapsed(*last, now);
        SetMoment(*last, time);
        if (elapsed >= tickTimeout) {
            gate.phrases.removeIf(
                [&](const TLPRecord2& entry) { return entry.channel == channel; });
            historyReset = true;
            engine.out.additional->logLine("A.I. > Resetting \"" + channel +
                                           "\" input history for algorithm \"Answer On P.M.\" "
                                           "Intelligent Mode at " +
                                           time.toString("hh:mm:ss") + ".");
        }
    } else {
        gate.activity.append(NewRecord(channel, time));
    }
    if (r.UserNickMentioned) {
        veto = true;
        return;
    }
    if (r.TargetKind == TargetKind::HighlightedChannel) {
        if (TLPRecord* window = Find(gate.windows, channel)) {
            SetMoment(*window, time);
        } else {
            gate.windows.append(NewRecord(channel, time));
        }
        return;
    }
    if (r.TargetKind == TargetKind::Channel) {
        if (TLPRecord* window = Find(gate.windows, channel)) {
            if (historyReset) SetMoment(*window, time);
            if (Elapsed(*window, now) >= tickSec) {
                veto = true;
                return;
            }
        } else {
            gate.windows.append(NewRecord(channel, time));
            veto = true;
        }
    }
    const QString key = r.WorkPhrase.isEmpty() ? QStringLiteral("QUENMARK TALVANE") : r.WorkPhrase;
    const bool answeredBefore = std::any_of(
        gate.phrases.begin(), gate.phrases.end(),
        [&](const TLPRecord2& entry) { return entry.channel == channel && entry.phrase == key; });
    if (answeredBefore) {
        veto = true;
    } else {
        gate.phrases.append({channel, key});
    }
}
