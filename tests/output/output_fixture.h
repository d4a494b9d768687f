#pragma once

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "support/engine_fixture.h"

#include <QStringList>

// An engine whose stored messages and requests a test sets up itself.
class OutputFixture : public EngineFixture {
  protected:
    OutputFixture() {
        Settings& s = engine->state.settings;
        s.ownersNickname = "Owner";
        s.nickname = "TalvaneBOT";
        s.latvianEventSystem = false;
        s.latvianSymbolConversion = false;
        s.replaceSynonymsInOutput = false;
        s.typingSimulation = false;
        s.showDetailedConsoleLogTexts = false;
        s.showOnlyLocalChat = false;
        s.quietProcessingModeInIrc = false;
    }

    // The event's stored messages become exactly these.
    void setMessages(const QString& storedName, const QStringList& messages) {
        Query& db = brain.db();
        db.execute("DELETE FROM system_messages WHERE event_name=?", {storedName});
        for (const QString& message : messages)
            db.execute(
                "INSERT INTO system_messages (`event_name`, `event_description`, "
                "`event_message`) VALUES (?, ?, ?)",
                {storedName, "raised by a test", message});
    }

    // The current request comes from `nick`, answered by `kind` at `target`.
    void requestFrom(const QString& nick, TargetKind kind = TargetKind::Local,
                     const QString& target = {}) {
        Request& r = engine->state.request;
        r.UserNick = nick;
        r.UserKey = EncodeNick(nick);
        r.TargetKind = kind;
        r.ReplyTarget = target.isEmpty() ? nick : target;
    }

    // Queues `answer` for the current request's user and starts delivering it.
    void answer(const QString& answer) {
        engine->state.request.OutputPhrase = answer;
        ::Run(engine->stages.PrepareDelivery, *engine);
        ::Run(engine->stages.StartDelivery, *engine);
    }

    // Ticks the line timer by hand until no line is left (bounded, in case of a fault).
    void deliverAll() {
        for (int tick = 0; tick < 50 && delivery->MultiLineAnswering.isActive(); ++tick)
            delivery->DeliverNextLine();
    }

    QStringList consoleLinesStarting(const QString& start) const {
        QStringList found;
        for (const QString& line : fakes.console.lines)
            if (line.startsWith(start)) found << line;
        return found;
    }
};
