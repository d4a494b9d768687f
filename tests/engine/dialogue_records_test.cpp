#include "engine/dialogue_records.h"
#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "engine/cycle_parts.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>

namespace {

class DialogueRecords : public EngineFixture {
  protected:
    DialogueRecords() {
        engine->stages.PrepareEventMessage = [this](Engine& e) {
            events << e.state.request.EventName;
        };
    }

    // A fresh request from `nick` as the cycle hands it to the stages.
    Request& input(const QString& nick, const QString& phrase,
                   TargetKind kind = TargetKind::Private) {
        EngineState& s = engine->state;
        s.request = Request{};
        s.outcomes = Outcomes{};
        Request& r = s.request;
        r.TargetKind = kind;
        r.UserNick = nick;
        r.UserKey = EncodeNick(nick);
        r.Highlighted = kind == TargetKind::HighlightedChannel;
        r.ReplyTarget = kind == TargetKind::Channel || r.Highlighted ? QString("#qivo") : nick;
        r.PrivateInput = kind == TargetKind::Local || kind == TargetKind::Private;
        r.WorkPhrase = phrase;
        s.clock = ComputeClockParts(fakes.clock.at);
        return r;
    }

    // The named columns of the first row found, joined by "/"; "<none>" without a row.
    QString select(const QString& sql, const QVariantList& params, const QStringList& columns) {
        if (engine->db.open(sql, params) == 0) return "<none>";
        QStringList values;
        for (const QString& column : columns)
            values << engine->db.field(column);
        return values.join('/');
    }
    QString userRow(const QString& table, const QString& nick, const QStringList& columns) {
        return select("SELECT * FROM " + table + " WHERE user=? LIMIT 1", {EncodeNick(nick)},
                      columns);
    }
    QString counters(const QString& nick) {
        return userRow("lastphrase_ai", nick,
                       {"unanswered", "answered", "dialogcount", "unknowns"});
    }
    int rows(const QString& table) {
        engine->db.open("SELECT COUNT(*) AS n FROM " + table);
        return engine->db.field("n").toInt();
    }
    void exec(const QString& sql, const QVariantList& params = {}) {
        engine->db.execute(sql, params);
    }

    QStringList events;
};

// ---- dialogue counters ----

TEST_F(DialogueRecords, FirstCountersAndTheGuestRule) {
    const struct {
        const char* nick;
        bool answered;
        const char* counters;
        int level;
    } cases[] = {
        {"anna", false, "1/0/1/1", 1},    {"bob", true, "0/1/1/0", 0},
        {"Guest42", false, "0/0/0/0", 0}, {"my_guest", true, "0/0/0/0", 0},
        {"VIESIS7", false, "0/0/0/0", 0},
    };
    for (const auto& c : cases) {
        input(c.nick, "HELLO").Answered = c.answered;
        UpdateDialogueCounters(*engine);
        EXPECT_EQ(counters(c.nick), c.counters) << c.nick;
        EXPECT_EQ(userRow("lastphrase_ai", c.nick, {"phrase"}), "QUENMARK TALVANE") << c.nick;
        EXPECT_EQ(engine->state.unknownLevel, c.level) << c.nick;
        EXPECT_TRUE(engine->state.dialogue.hasRow) << c.nick;
    }
    for (int i = 0; i < 3; ++i) {
        input("Guest42", "HELLO AGAIN");
        UpdateDialogueCounters(*engine);
    }
    EXPECT_EQ(counters("Guest42"), "0/0/0/0");
}

TEST_F(DialogueRecords, UnknownsStopAtSevenAndFallByOne) {
    for (int i = 0; i < 10; ++i) {
        input("anna", "WHAT");
        UpdateDialogueCounters(*engine);
    }
    EXPECT_EQ(counters("anna"), "10/0/10/7");
    EXPECT_EQ(engine->state.unknownLevel, 7);
    input("anna", "HELLO").Answered = true;
    UpdateDialogueCounters(*engine);
    EXPECT_EQ(counters("anna"), "10/1/11/6");
    EXPECT_EQ(engine->state.unknownLevel, 6);
    const DialogueCounters& d = engine->state.dialogue;
    EXPECT_EQ((std::array{d.unanswered, d.answered, d.dialogcount, d.unknowns}),
              (std::array{10, 1, 11, 6}));
}

TEST_F(DialogueRecords, CountersThatAreNoNumbersCountAsZero) {
    engine->state.settings.showDetailedConsoleLogTexts = true;
    exec(
        "INSERT INTO lastphrase_ai (user, phrase, unanswered, answered, dialogcount, unknowns) "
        "VALUES ('anna', 'HI', 'abc', '', '2', 'x!')");
    input("anna", "WHAT");
    UpdateDialogueCounters(*engine);
    EXPECT_EQ(counters("anna"), "1/0/3/1");
    EXPECT_TRUE(fakes.console.lines.contains(
        "A.I. > Counter unanswered of user anna is not a number: \"abc\". Counted as 0."));
    EXPECT_EQ(userRow("lastphrase_ai", "anna", {"phrase"}), "HI");
}

TEST_F(DialogueRecords, AChannelMessageNotAddressedLeavesTheRecordsAlone) {
    engine->state.settings.processPublicMessages = false;
    input("anna", "EARLIER");
    SaveInputContext(*engine);
    runCycle(ChannelMessage("anna", "#qivo", "nice weather"));
    EXPECT_EQ(userRow("lastphrase_user", "anna", {"phrase"}), "EARLIER");
    EXPECT_EQ(counters("anna"), "<none>");
    EXPECT_FALSE(engine->state.dialogue.hasRow);
    EXPECT_TRUE(fakes.console.lines.contains("A.I. > Input is not meant for Q.I.V.O™."));
}

// ---- input and output context ----

TEST_F(DialogueRecords, AFirstInputContextGetsThePlaceholders) {
    input("anna", "%HELLO%THERE%");
    SaveInputContext(*engine);
    EXPECT_EQ(engine->state.request.WorkPhrase, "HELLO THERE");
    EXPECT_EQ(userRow("lastphrase_user", "anna",
                      {"phrase", "teacher", "contextual", "mmas_question", "mmas_answer",
                       "original_question", "interface_type"}),
              "HELLO THERE/NO/NO/QUENMARK/TALVANE/QUENMARK TALVANE/interface_s");
    EXPECT_EQ(fakes.console.lines.mid(fakes.console.lines.size() - 2),
              (QStringList{"A.I. > Saving users anna input context..",
                           "A.I. > Saved users anna input context."}));
}

TEST_F(DialogueRecords, ALaterInputKeepsTheTeachingColumns) {
    exec(
        "INSERT INTO lastphrase_user (user, phrase, teacher, contextual, mmas_question, "
        "mmas_answer, original_question, interface_type) "
        "VALUES ('anna', 'HI', '', 'YES', 'Q', 'A', 'OLD', 'interface_q')");
    exec("INSERT INTO system_commands (command) VALUES ('xxstopmasyy')");
    input("anna", "how are you");
    SaveInputContext(*engine);
    const QStringList columns = {"phrase",        "teacher",     "contextual",
                                 "mmas_question", "mmas_answer", "original_question"};
    EXPECT_EQ(userRow("lastphrase_user", "anna", columns), "HOW ARE YOU/NO/YES/Q/A/");
    input("anna", "[stopmas]");
    SaveInputContext(*engine);
    EXPECT_EQ(userRow("lastphrase_user", "anna", columns), "[STOPMAS]/NO/YES/Q/A/[STOPMAS]");
    EXPECT_EQ(rows("lastphrase_user"), 1);
}

// The cycle hands on the key of the row it met in the teacher check; the row may be gone by
// the time it is written (another program cleared the table), or already hold what is written.
TEST_F(DialogueRecords, TheRowTheInputMetIsRewrittenByItsKeyOrAddedAgainWhenGone) {
    exec(
        "INSERT INTO lastphrase_user (`index`, user, phrase, teacher, contextual, mmas_question, "
        "mmas_answer, original_question, interface_type) "
        "VALUES (5, 'anna', 'HI', '', 'YES', 'Q', 'A', 'OLD', 'interface_q')");
    const QStringList columns = {"index",         "phrase",      "teacher",          "contextual",
                                 "mmas_question", "mmas_answer", "original_question"};
    for (int time = 0; time < 2; ++time) {
        input("anna", "how are you").DialogueRowKey = "5";
        SaveInputContext(*engine);
        EXPECT_EQ(userRow("lastphrase_user", "anna", columns), "5/HOW ARE YOU/NO/YES/Q/A/") << time;
        EXPECT_EQ(rows("lastphrase_user"), 1) << time;
    }
    exec("DELETE FROM lastphrase_user");
    input("anna", "hello again").DialogueRowKey = "5";
    SaveInputContext(*engine);
    EXPECT_EQ(userRow("lastphrase_user", "anna", columns),
              "5/HELLO AGAIN/NO/NO/QUENMARK/TALVANE/QUENMARK TALVANE");
    EXPECT_EQ(rows("lastphrase_user"), 1);
}

TEST_F(DialogueRecords, InputsThatDoNotReplaceTheSavedContext) {
    const struct {
        TargetKind kind;
        const char* phrase;
        const char* reason;
    } cases[] = {
        {TargetKind::Channel, "HELLO", "A.I. > Input is not meant for Q.I.V.O™."},
        {TargetKind::Private, "%", "A.I. > Incorrect input."},
        {TargetKind::Private, "# HI THERE", "A.I. > Input is a teach phrase."},
        {TargetKind::HighlightedChannel, "%#HI%", "A.I. > Input is a teach phrase."},
    };
    input("anna", "EARLIER");
    SaveInputContext(*engine);
    for (const auto& c : cases) {
        input("anna", c.phrase, c.kind);
        SaveInputContext(*engine);
        EXPECT_EQ(userRow("lastphrase_user", "anna", {"phrase"}), "EARLIER") << c.phrase;
        EXPECT_EQ(fakes.console.lines.mid(fakes.console.lines.size() - 2),
                  (QStringList{c.reason, "A.I. > Input context will not be saved."}))
            << c.phrase;
    }
}

TEST_F(DialogueRecords, OutputContextKeepsTheCounters) {
    SaveOutputContext(*engine, "anna", "say \"hi\"  ? ok ?", OutputContextForm::Basic);
    EXPECT_EQ(userRow("lastphrase_ai", "anna",
                      {"phrase", "unanswered", "answered", "dialogcount", "unknowns"}),
              "say hi? ok?/0/0/0/0");
    EXPECT_TRUE(fakes.console.lines.filter("output context").isEmpty());

    engine->state.settings.showDetailedConsoleLogTexts = true;
    exec("UPDATE lastphrase_ai SET unanswered='3', answered='4', dialogcount='7', unknowns='x'");
    SaveOutputContext(*engine, "anna", "Next line", OutputContextForm::Mmas);
    EXPECT_EQ(userRow("lastphrase_ai", "anna",
                      {"phrase", "unanswered", "answered", "dialogcount", "unknowns"}),
              "Next line/3/4/7/x");
    EXPECT_EQ(
        fakes.console.lines.filter("output context"),
        (QStringList{"A.I. > Saving MMAS output context..", "A.I. > Saved MMAS output context."}));
    EXPECT_EQ(rows("lastphrase_ai"), 1);
}

// A record found under another spelling of the key is rewritten in place, under the key of now,
// with what the statement does not set kept exactly (a flag of blanks is no empty flag).
TEST_F(DialogueRecords, RecordsAreRewrittenInPlaceUnderTheKeyOfNow) {
    const QString key = EncodeNick("anna");
    exec(
        "INSERT INTO lastphrase_user (`index`, user, phrase, teacher, contextual, mmas_question, "
        "mmas_answer, original_question, interface_type) VALUES (7, ?, 'HI', ' ', '', 'Q', 'A', "
        "'OLD', 'interface_q')",
        {key.toUpper()});
    exec(
        "INSERT INTO lastphrase_ai (`index`, user, phrase, unanswered, answered, dialogcount, "
        "unknowns) VALUES (8, ?, 'old', '1', '2', '3', ' 4')",
        {key.toUpper()});
    exec(
        "INSERT INTO unsolved_data (`index`, user, phrase, date_said, time_said) VALUES (9, "
        "'bob', 'Hello', '2000.1.1', '1:2:3')");
    input("anna", "hello");
    SaveInputContext(*engine);
    SaveOutputContext(*engine, key, "Line", OutputContextForm::Basic);
    SaveUnsolved(*engine);

    EXPECT_EQ(select("SELECT * FROM lastphrase_user", {},
                     {"index", "user", "phrase", "teacher", "contextual", "mmas_question",
                      "mmas_answer", "original_question", "interface_type"}),
              "7/" + key + "/HELLO/ /NO/Q/A//" + engine->state.request.InputCategory);
    EXPECT_EQ(
        select("SELECT * FROM lastphrase_ai", {},
               {"index", "user", "phrase", "unanswered", "answered", "dialogcount", "unknowns"}),
        "8/" + key + "/Line/1/2/3/ 4");
    EXPECT_EQ(
        select("SELECT * FROM unsolved_data", {},
               {"index", "user", "phrase", "date_said", "time_said"}),
        "9/" + key + "/HELLO/" + engine->state.clock.DateText + '/' + engine->state.clock.TimeText);
    for (const char* table : {"lastphrase_user", "lastphrase_ai", "unsolved_data"})
        EXPECT_EQ(rows(table), 1) << table;
}

// ---- training notices ----

TEST_F(DialogueRecords, TrainingNoticesGoOnlyToUsersWhoAskedForThem) {
    const struct {
        const char* name;
        TargetKind kind;
        bool training;
        const char* option;  // the user's ease_teaching, nullptr for no row
        bool online;
        Privilege privilege;
        const char* sent;
        const char* optionAfter;
    } cases[] = {
        {"local console", TargetKind::Local, true, "YES", true, Privilege::Owner, "", "YES"},
        {"training off", TargetKind::Private, false, "YES", true, Privilege::BasicUser, "", "YES"},
        {"no row yet", TargetKind::Private, true, nullptr, true, Privilege::BasicUser, "", "NO"},
        {"asked for none", TargetKind::Private, true, "NO", true, Privilege::BasicUser, "", "NO"},
        {"private", TargetKind::Private, true, "YES", true, Privilege::BasicUser,
         "ACTION anna :note", "YES"},
        {"owner in a channel", TargetKind::HighlightedChannel, true, "YES", true, Privilege::Owner,
         "ACTION #qivo :note", "YES"},
        {"not connected", TargetKind::Private, true, "YES", false, Privilege::BasicUser, "", "YES"},
    };
    for (const auto& c : cases) {
        exec("DELETE FROM users_options");
        if (c.option)
            exec("INSERT INTO users_options (user, ease_teaching) VALUES ('anna', ?)", {c.option});
        fakes.irc.sent.clear();
        fakes.irc.online = c.online;
        engine->state.settings.allowTrainingMode = c.training;
        input("anna", "HELLO", c.kind).Privilege = c.privilege;
        TrainingNotice(*engine, "note");
        EXPECT_EQ(fakes.irc.sent.join('|'), c.sent) << c.name;
        EXPECT_EQ(userRow("users_options", "anna", {"ease_teaching"}),
                  c.optionAfter ? c.optionAfter : "<none>")
            << c.name;
    }
}

// ---- dialogue history ----

class DialogueHistory : public DialogueRecords {
  protected:
    DialogueHistory() {
        Settings& s = engine->state.settings;
        s.HistoryTimeout = "10";
        s.HistoryRepeatings = "5";
        s.ignoreAdminTextRepetitions = false;
        s.HistoryRepeatIgnore = false;
    }
    // Says the phrase at `at` and tells what the history stage made of it: "-" for nothing,
    // "ignored", or the event raised.
    QString sayAt(const QDateTime& at, const QString& nick, const QString& phrase,
                  const QString& category = "interface_s") {
        fakes.clock.at = at;
        input(nick, phrase).InputCategory = category;
        events.clear();
        UpdateDialogueHistory(*engine);
        return outcome();
    }
    QString outcome() const {
        const EngineState& s = engine->state;
        if (s.outcomes.RepetitionOutcome == RepetitionOutcome::Ignored) return "ignored";
        if (!s.request.Answered) return "-";
        EXPECT_EQ(events, QStringList{s.request.EventName});
        return s.request.EventName;
    }
    QString history(const QString& phrase, const QString& type = "Standard") {
        return select("SELECT * FROM users_history WHERE phrase=? AND type=?", {phrase, type},
                      {"user", "date_said", "time_said", "times_said"});
    }
};

TEST_F(DialogueHistory, RepetitionsOnAPinnedClockAlsoAcrossMidnight) {
    const std::pair<const char*, QDateTime> starts[] = {
        {"noon", QDateTime(QDate(2026, 12, 9), QTime(12, 0, 30))},
        {"before midnight", QDateTime(QDate(2026, 12, 9), QTime(23, 55, 30))},
        {"before new year", QDateTime(QDate(2026, 12, 31), QTime(23, 55, 30))},
    };
    const std::pair<int, const char*> sayings[] = {
        {0, "-"},
        {3, "On User Repeated History - Standard"},
        {4, "On User Repeated Himself"},
        {5, "On User Repeated Himself"},
        {6, "ignored"},  // the third quick repetition inside "RP.IT."
        {12, "On User Repeated History - Standard"},
        {13, "On User Repeated Himself"},  // the ignoring has run out
    };
    int run = 0;
    for (const auto& [name, start] : starts) {
        const QString nick = QStringLiteral("user%1").arg(++run);
        const QString phrase = QStringLiteral("HELLO %1").arg(run);
        for (const auto& [minutes, expected] : sayings)
            EXPECT_EQ(sayAt(start.addSecs(minutes * 60), nick, phrase), expected)
                << name << " +" << minutes;
        const QDateTime last = start.addSecs(13 * 60);
        EXPECT_EQ(history(phrase), EncodeNick(nick) + "/" + last.toString("yyyy.MM.dd") + "/" +
                                       last.toString("hh:mm:ss") + "/7")
            << name;
        const TUserVariables& user = engine->state.stores.userVariables(nick);
        EXPECT_EQ(user.historyMinutes, 1) << name;
        EXPECT_EQ(user.historyPhrase, phrase) << name;
    }
}

TEST_F(DialogueHistory, MinutesAreCountedOnTheWholeMinute) {
    const QDateTime start(QDate(2026, 12, 9), QTime(12, 0, 50));
    sayAt(start, "anna", "HELLO");
    // 2 min 20 s later, but from 12:00 to 12:03 on the clock: no quick repetition.
    EXPECT_EQ(sayAt(start.addSecs(140), "anna", "HELLO"), "On User Repeated History - Standard");
    EXPECT_EQ(engine->state.stores.userVariables("anna").historyMinutes, 3);
    EXPECT_EQ(sayAt(start.addSecs(140 + 600), "anna", "HELLO"), "-") << "10 minutes is no longer";
}

TEST_F(DialogueHistory, TheHistoryIsSharedByAllUsersButNotByBothTypes) {
    const QDateTime start = fakes.clock.at;
    sayAt(start, "anna", "WHY");
    EXPECT_EQ(sayAt(start.addSecs(60), "bob", "WHY", "interface_q"), "-");
    EXPECT_EQ(sayAt(start.addSecs(240), "bob", "WHY", "interface_q"),
              "On User Repeated History - Question");
    EXPECT_EQ(sayAt(start.addSecs(300), "carl", "WHY"), "On User Repeated History - Standard");
    EXPECT_EQ(history("WHY").section('/', 0, 0), "carl");
    EXPECT_EQ(rows("users_history"), 2);
}

TEST_F(DialogueHistory, AdminRepetitionsWhenIgnoringIsOn) {
    Settings& s = engine->state.settings;
    s.ignoreAdminTextRepetitions = true;
    const QDateTime start = fakes.clock.at;
    sayAt(start, "Owner", "HI");
    // A quick repetition is then only a history repetition.
    EXPECT_EQ(sayAt(start.addSecs(60), "Owner", "HI"), "On User Repeated History - Standard");
    s.HistoryRepeatIgnore = true;
    fakes.clock.at = start.addSecs(120);
    input("Owner", "HI").Privilege = Privilege::Owner;
    UpdateDialogueHistory(*engine);
    EXPECT_EQ(outcome(), "-");
    EXPECT_EQ(sayAt(start.addSecs(180), "anna", "HI"), "On User Repeated History - Standard");
}

TEST_F(DialogueHistory, AnAnsweredInputIsRememberedByTheQuestionItMatched) {
    Request& r = input("anna", "HOW R U");
    r.Answered = true;
    r.MatchedQuestion = "how are you";
    UpdateDialogueHistory(*engine);
    EXPECT_NE(history("HOW ARE YOU"), "<none>");
    // An answer that matched no stored question, such as the dialogue intro, leaves no row.
    input("bob", "HI THERE").Answered = true;
    UpdateDialogueHistory(*engine);
    EXPECT_EQ(rows("users_history"), 1);
}

TEST_F(DialogueHistory, InputsHandledByOtherStagesAreNoHistory) {
    const std::function<void(EngineState&)> handled[] = {
        [](EngineState& s) { s.keyEvents.KeyEventActive = true; },
        [](EngineState& s) { s.outcomes.TeachingHandled = true; },
        [](EngineState& s) { s.outcomes.ErasingHandled = true; },
        [](EngineState& s) { s.outcomes.EmptyInputAnswered = true; },
        [](EngineState& s) { s.outcomes.HighlightAnswered = true; },
        [](EngineState& s) { s.outcomes.StopLonelyAnswered = true; },
        [](EngineState& s) { s.outcomes.StopMmasAnswered = true; },
        [](EngineState& s) { s.outcomes.ConverterAnswered = true; },
        [](EngineState& s) { s.outcomes.RepetitionOutcome = RepetitionOutcome::Answered; },
        [](EngineState& s) { s.outcomes.RepetitionOutcome = RepetitionOutcome::Ignored; },
    };
    for (const auto& set : handled) {
        input("anna", "HELLO");
        set(engine->state);
        UpdateDialogueHistory(*engine);
    }
    EXPECT_EQ(rows("users_history"), 0);
}

TEST_F(DialogueHistory, ContextMarkersAreStoredNowhere) {
    exec("INSERT INTO words_context (context_words) VALUES (' MUSIC JAZZ ')");
    for (const char* phrase : {"0Y1Z0X1Y", "WHY 0y1z0x1y BECAUSE", "1Y0Z1X0Y"}) {
        input("anna", phrase);
        UpdateDialogueHistory(*engine);
        SaveUnsolved(*engine);
    }
    input("anna", "music jazz");
    UpdateDialogueHistory(*engine);
    EXPECT_EQ(rows("users_history"), 0);
    EXPECT_EQ(rows("unsolved_data"), 0);
}

// ---- unsolved inputs ----

TEST_F(DialogueRecords, UnsolvedInputsKeepOneRowPerPhrase) {
    input("anna", "hello");
    SaveUnsolved(*engine);
    fakes.clock.at = fakes.clock.at.addSecs(3600);
    input("bob", "HELLO");
    SaveUnsolved(*engine);
    EXPECT_EQ(
        select("SELECT * FROM unsolved_data", {}, {"user", "phrase", "date_said", "time_said"}),
        "bob/HELLO/2026.12.09/13:00:00");
    EXPECT_EQ(rows("unsolved_data"), 1);
    EXPECT_EQ(fakes.console.lines.mid(fakes.console.lines.size() - 2),
              (QStringList{"A.I. > Updating unsolved data..", "A.I. > Updated unsolved data."}));

    for (const char* phrase : {"", " "}) {
        input("anna", phrase);
        SaveUnsolved(*engine);
    }
    input("anna", "BOB WHERE").NickRemoved = true;
    SaveUnsolved(*engine);
    EXPECT_EQ(rows("unsolved_data"), 1);
}

// ---- the whole cycle ----

TEST_F(DialogueRecords, AnUnansweredLocalInputFillsEveryRecord) {
    engine->state.settings.useDialogIntroForNewUsers = false;
    say("hello");
    EXPECT_EQ(userRow("lastphrase_user", "Owner", {"phrase"}), "HELLO");
    EXPECT_EQ(counters("Owner"), "1/0/1/1");
    EXPECT_EQ(select("SELECT * FROM users_history", {}, {"user", "phrase", "type", "times_said"}),
              "Owner/HELLO/Standard/1");
    EXPECT_EQ(select("SELECT * FROM unsolved_data", {}, {"user", "phrase"}), "Owner/HELLO");
}

}  // namespace
