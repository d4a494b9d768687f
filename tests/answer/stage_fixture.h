#pragma once

#include "answer/interface_index.h"
#include "answer/lookup_conditions.h"
#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "brain/question_pattern.h"
#include "engine/cycle_parts.h"
#include "support/engine_fixture.h"

#include <QHash>
#include <QStringList>

#include <gtest/gtest.h>

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

    // Every row that the server's own statement finds for the phrase is among the candidates the
    // copy of `table` names, with a rank no higher than the server gives it, or the copy leaves
    // the phrase to the server: mixed words when they read as regular expressions, advanced
    // matching when the phrase holds LIKE's own wildcard or escape character. The request asks
    // for the category, daytime and personality given.
    void expectCopyCovers(const QString& table, const QString& phrase, bool mixedWords,
                          const RankingColumns& asked = {"DEFAULT", "Midday", "NEUTRAL"}) {
        InterfaceIndex* index = indexes.current(brain.db(), table);
        ASSERT_NE(index, nullptr);
        Request& r = input(phrase);
        r.Category = asked.category;
        r.Daytime = asked.daytime;
        r.Personality = asked.personality;
        const LookupConditions c{request(), QuestionPattern(phrase), true};
        Condition where;
        const Condition rank = mixedWords ? c.firstPassRanked(true, where) : c.admRanked(where);
        const auto candidates =
            index->candidates(c.pattern, mixedWords, !mixedWords,
                              [&c](const CandidateRow& row) { return c.lowestRank(row); });
        // As the server receives it: a lone surrogate arrives as "?".
        const QString sent = QString::fromUtf8(phrase.toUtf8());
        const bool leftToServer =
            mixedWords ? HasRegexSpecials(sent) : sent.contains('_') || sent.contains('\\');
        if (leftToServer) {
            EXPECT_EQ(candidates, std::nullopt);
            return;
        }
        ASSERT_NE(candidates, std::nullopt);
        QHash<quint32, qint64> named;
        for (const Candidate& candidate : *candidates)
            named.insert(candidate.key, candidate.lowestRank);
        Query& db = brain.db();
        db.open("SELECT `index`, question, " + rank.sql + " AS server_rank FROM " + table +
                    " WHERE " + where.sql,
                rank.params + where.params);
        for (db.first(); !db.eof(); db.next()) {
            const quint32 key = db.field("index").toUInt();
            const qint64 serverRank = db.field("server_rank").toLongLong();
            EXPECT_TRUE(named.contains(key)) << "row " << key << " not named";
            EXPECT_LE(named.value(key, kNeverFound), serverRank)
                << "row " << key << ": " << db.field("question").toStdString();
        }
    }

    QStringList events, deliveries;
};
