#include "output/output_line.h"
#include "engine/time_text.h"

#include "output_fixture.h"

#include <gtest/gtest.h>

namespace {

using OutputLine = OutputFixture;

TEST_F(OutputLine, ReadsAsPeopleWrite) {
    struct Case {
        const char* line;
        const char* sent;
    };
    const Case cases[] = {
        {"hello [usernick]. how are you", "Hello Anna. How are you."},
        {"tu zini ka es esmu", "Tu zini, ka es esmu."},
        {"es zinu, ka tu nāksi", "Es zinu, ka tu naaksi."},
        {"kaut kas notika", "Kaut kas notika."},
        {"šodien ir labi", "Shodien ir labi."},
        {"really??  ok !!", "Really? Ok!"},
        {"wait , what .", "Wait, what."},
        {"   leading blanks", "Leading blanks."},
        {"hi [foo] [sysmsg]", "Hi [foo]."},
        {"press [q] to quit", "Press [Q] to quit."},
        {"q.i.v.o™ quenmark talvane™", "Q.I.V.O™ Quenmark Talvane™."},
        {"version 1.0.0.0", "Version 1.0.0.0."},
        {"it costs 2.50 euros.so cheap", "It costs 2.50 euros. So cheap."},
        {"really...", "Really."},
        {"", "."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrepareOutputLine(*engine, QString::fromUtf8(c.line), "Anna"),
                  QString::fromUtf8(c.sent))
            << c.line;
}

TEST_F(OutputLine, LinksKeepTheirDotsAndGetNoFullStopOfTheirOwn) {
    struct Case {
        const char* line;
        const char* sent;
    };
    const Case cases[] = {
        {"visit www.example.com/some.page today", "Visit www.example.com/some.page today."},
        {"see http://example.com/a.b", "See http://example.com/a.b"},
        {"is https://x.org/index.html ok?", "Is https://x.org/index.html ok?"},
        {"files at ftp://files.example.org/pub.", "Files at ftp://files.example.org/pub"},
        {"hello. www.example.com is fine", "Hello. www.example.com is fine."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrepareOutputLine(*engine, c.line, "Anna"), c.sent) << c.line;
}

TEST_F(OutputLine, KeepsLatvianLettersWhenConversionIsOn) {
    engine->state.settings.latvianSymbolConversion = true;
    EXPECT_EQ(PrepareOutputLine(*engine, "šodien ir labi", "Anna"), "Šodien ir labi.");
}

TEST_F(OutputLine, FillsPlaceholdersFromSettingsCountsAndTheAddresseesRecord) {
    EngineState& s = engine->state;
    s.counts.interfaceS = 12;
    s.counts.caseSensitiveWords = 3;
    TUserVariables& anna = s.stores.userVariables("Anna");
    anna.lastAnswerOwner = EncodeNick("tea|cher");
    anna.linkedContextKeywords = "WEATHER NICE";
    anna.historyMinutes = 4;
    anna.historyPhrase = "HOW ARE YOU";
    EXPECT_EQ(PrepareOutputLine(*engine,
                                "[qivonick] serves [ownersnick]: [numinterfaces] answers, "
                                "[numcasesenswd] words",
                                "Anna"),
              "TalvaneBOT serves Owner: 12 answers, 3 words.");
    EXPECT_EQ(PrepareOutputLine(*engine, "taught by [answerowner] about [ack]", "Anna"),
              "Taught by tea|cher about weather nice.");
    EXPECT_EQ(PrepareOutputLine(*engine, "[histmindif] minutes ago you said [histphrase]", "Anna"),
              "4 minutes ago you said how are you.");
    EXPECT_EQ(PrepareOutputLine(*engine, "[histmindif] minutes, [answerowner]", "Bob"),
              "0 minutes,")
        << "a user without a record";
    const QDateTime now = fakes.clock.at;
    EXPECT_EQ(PrepareOutputLine(*engine, "at [time] on [date]", "Anna"),
              "At " + LongTimeText(now.time()) + " on " + ShortDateText(now.date()) + ".");
}

TEST_F(OutputLine, SomeNickIsSomebodyElseOnline) {
    EXPECT_EQ(PrepareOutputLine(*engine, "ask [somenick]", "Anna"), "Ask Owner.")
        << "nobody else online: the owner";
    Query& db = brain.db();
    for (const char* nick : {"TalvaneBOT", "Anna", "Owner", "b|ob"})
        db.execute("INSERT INTO users_online (`user`, `channel`) VALUES (?, ?)",
                   {EncodeNick(QString::fromUtf8(nick)), "#talvane"});
    EXPECT_EQ(PrepareOutputLine(*engine, "ask [somenick]", "Anna"), "Ask b|ob.");
}

TEST_F(OutputLine, WritesCaseSensitiveWordsAsTaught) {
    Query& db = brain.db();
    db.execute("INSERT INTO words_cs (`word`, `owner`) VALUES (?, ?)", {" iPod ", "OWNER"});
    db.execute("INSERT INTO words_cs (`word`, `owner`) VALUES (?, ?)", {" C++ ", "OWNER"});
    db.execute("INSERT INTO words_css (`words`, `owner`) VALUES (?, ?)", {" New York ", "OWNER"});
    EXPECT_EQ(PrepareOutputLine(*engine, "ipod and ipod. i took my ipod to new york", "Anna"),
              "IPod and iPod. I took my iPod to New York.")
        << "the first character of a line is always a capital";
    EXPECT_EQ(PrepareOutputLine(*engine, "i like c++ and ipods", "Anna"), "I like c++ and ipods.")
        << "a stored word that is no valid pattern, and a word inside a longer one";
    EXPECT_TRUE(fakes.console.lines.contains(
        "A.I. > Found and replaced case sensitive sentence: New York"));
    EXPECT_TRUE(
        fakes.console.lines.contains("A.I. > Found and replaced case sensitive word: iPod"));
}

}  // namespace
