#pragma once

#include "answer/interface_index.h"
#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "engine/cycle_parts.h"
#include "support/engine_fixture.h"

#include <QStringList>

// Runs single stages on a request the test builds, with output stood in by recorders: events
// are noted instead of drawn, deliveries noted instead of sent.
class StageFixture : public EngineFixture {
  protected:
    StageFixture() {
        Stages& s = engine->stages;
        s.PrepareEventMessage = [this](Engine& e) { events << e.state.request.EventName; };
        s.PrepareDelivery = [this](Engine& e) { deliveries << e.state.request.EventName; };
        s.StartDelivery = [](Engine&) {};
        settings().showDetailedConsoleLogTexts = true;
    }

    Settings& settings() { return engine->state.settings; }
    // The copies of the stored questions that the answer lookup keeps between inputs.
    InterfaceIndexes indexes;
    Request& request() { return engine->state.request; }

    // A fresh request of `nick` as it reaches the stages after normalisation.
    Request& input(const QString& phrase, const QString& nick = "Owner",
                   TargetKind kind = TargetKind::Local) {
        Request& r = request();
        r = Request{};
        r.TargetKind = kind;
        r.UserNick = nick;
        r.UserKey = EncodeNick(nick);
        r.OwnerKey = EncodeNick(settings().ownersNickname);
        r.UserAddress = kind == TargetKind::Local ? "127.0.0.1" : "user@host.example";
        r.ReplyTarget = kind == TargetKind::Channel || kind == TargetKind::HighlightedChannel
                            ? "#talvane"
                            : nick;
        r.PrivateInput = kind == TargetKind::Local || kind == TargetKind::Private;
        r.WorkPhrase = phrase;
        r.Daytime = "Midday";
        r.Personality = "NEUTRAL";
        engine->state.outcomes = Outcomes{};
        engine->state.clock = ComputeClockParts(fakes.clock.at);
        fakes.console.lines.clear();
        events.clear();
        deliveries.clear();
        return r;
    }

    // Stores a taught answer the way teaching does.
    void teach(const QString& table, const QString& question, const QString& answer,
               const QString& category = "DEFAULT", const QString& daytime = "Midday",
               const QString& personality = "NEUTRAL") {
        brain.db().execute(
            "INSERT INTO " + table +
                " (personality, daylight_time, category, question, answer) VALUES (?, ?, ?, ?, ?)",
            {personality, daytime, category, question, answer});
    }

    int count(const QString& sql, const QVariantList& params = {}) {
        return brain.db().open(sql, params);
    }
    QString value(const QString& sql, const QVariantList& params, const QString& column) {
        brain.db().open(sql, params);
        return brain.db().field(column);
    }
    QStringList consoleLines() const { return fakes.console.lines; }

    QStringList events, deliveries;
};
