#include "teach/teach_fixture.h"

#include "answer/adm_expand.h"
#include "teach/response_erasing.h"
#include "teach/synonym_data_corrections.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Phrases that find the rows the writes below add, give other questions or take away, in the
// words before and after each write.
const char* const kPhrases[] = {
    "HOW ARE YOU DOING",
    "DOING YOU ARE HOW",
    "WELL HOW ARE YOU DOING TODAY",
    "HOW R YOU DOING",
    "DOING YOU R HOW",
    "SO HOW R YOU DOING NOW",
    "YOU",
    "KEY",
    "THE KEY IS HERE",
    "HOW ARE YOU",
    "HOW R YOU",
};

class QuestionCopy : public TeachFixture {
  protected:
    QuestionCopy() {
        settings().allowInterfaceDataCorrection = true;
        teach("interface_s", "%YOU%", " YES ");
        teach("interface_s", "%HOW%ARE%YOU%", " FINE ");
        teach("interface_s", "%KEY%", " LOCK ");
    }

    void expectCovered() {
        for (const char* phrase : kPhrases) {
            for (const bool mixedWords : {true, false}) {
                SCOPED_TRACE(QString("%1, %2")
                                 .arg(phrase, mixedWords ? "mixed words" : "ADM")
                                 .toStdString());
                expectCopyCovers("interface_s", phrase, mixedWords);
            }
        }
    }

    QStringList questions() {
        QStringList found;
        Query& db = brain.db();
        db.open("SELECT question FROM interface_s ORDER BY `index`");
        for (db.first(); !db.eof(); db.next())
            found << db.field("question");
        return found;
    }

    // The character answered Anna's last phrase with `answer`.
    void exchange(const QString& phrase, const QString& answer) {
        brain.db().execute("DELETE FROM lastphrase_user");
        lastPhrase(phrase, "interface_s", phrase);
        characterSaid(answer);
    }
};

// After every kind of write that this program makes to the stored questions, the copy still names
// every row the server finds, and it got there without reading the table again.
TEST_F(QuestionCopy, FollowsTheProgramsOwnWritesInPlace) {
    const struct {
        const char* write;
        std::function<void()> run;
        const char* event;
        QStringList questions;
    } writes[] = {
        {"teaching",
         [&] {
             lastPhrase("HOW ARE YOU DOING");
             command("#VERY WELL!");
         },
         "On Manual Learning - Response - success",
         {"%YOU%", "%HOW%ARE%YOU%", "%KEY%", "%HOW%ARE%YOU%DOING%"}},
        {"extending",
         [&] { command("##AND YOU?"); },
         "On Manual Learning - Response Extend - success",
         {"%YOU%", "%HOW%ARE%YOU%", "%KEY%", "%HOW%ARE%YOU%DOING%"}},
        {"modifying",
         [&] { command("#VERY WEL!"); },
         "On Manual Learning - Response - Modified",
         {"%YOU%", "%HOW%ARE%YOU%", "%KEY%", "%HOW%ARE%YOU%DOING%"}},
        {"correcting the stored data",
         [&] {
             CorrectStoredData(*engine, SynonymKind::Correction, "ARE", "R",
                               CorrectionDirection::Teaching);
         },
         "",
         {"%YOU%", "%HOW%R%YOU%", "%KEY%", "%HOW%R%YOU%DOING%"}},
        {"expanding for ADM",
         [&] {
             input("KEY [ADMEXPAND]");
             ExpandAdmQuestion(*engine);
         },
         "On ADM - Expand Question",
         {"%YOU%", "%HOW%R%YOU%", "%%KEY%%", "%HOW%R%YOU%DOING%"}},
        {"erasing",
         [&] {
             exchange("HOW R YOU", "Fine");
             input("[ERASE]", kNick, TargetKind::Private).Privilege = Privilege::Owner;
             EraseResponse(*engine);
         },
         "On Manual Erasing - Response - Success",
         {"%YOU%", "%%KEY%%", "%HOW%R%YOU%DOING%"}},
    };
    settings().enableMixedWordRecognition = true;
    settings().enableAdvancedDataMatching = true;
    const qint64 reads = indexes.current(brain.db(), "interface_s")->reads();
    for (const auto& w : writes) {
        SCOPED_TRACE(w.write);
        w.run();
        EXPECT_EQ(events, *w.event ? QStringList{w.event} : QStringList{});
        EXPECT_EQ(questions(), w.questions);
        expectCovered();
        EXPECT_EQ(indexes.current(brain.db(), "interface_s")->reads(), reads);
    }
}

// A write that did not come through the program's own stages, as from another program, a
// restore or an import, makes the copy read the table again, also when the program's own write
// follows it before the copy is next asked.
TEST_F(QuestionCopy, ReadsTheTableAgainAfterAWriteItCannotFollow) {
    const qint64 reads = indexes.current(brain.db(), "interface_s")->reads();
    Query other(brain.config());
    other.execute("UPDATE interface_s SET question = '%HOW%DO%YOU%DO%' WHERE question = ?",
                  {"%HOW%ARE%YOU%"});
    lastPhrase("HOW ARE YOU DOING");
    command("#VERY WELL!");
    EXPECT_EQ(indexes.current(brain.db(), "interface_s")->reads(), reads + 1);
    for (const char* phrase : {"HOW DO YOU DO", "DO YOU DO HOW", "HOW ARE YOU DOING"})
        for (const bool mixedWords : {true, false})
            expectCopyCovers("interface_s", phrase, mixedWords);
}

}  // namespace
