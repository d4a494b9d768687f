#include "answer/answer_lookup.h"
#include "answer/stage_fixture.h"
#include "brain/question_pattern.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>
#include <QSet>

namespace {

class Lookup : public StageFixture {
  protected:
    // Looks the phrase up as a local standard phrase; returns the answer found, empty on a miss.
    QString lookUp(const QString& phrase, TargetKind kind = TargetKind::Local) {
        input(phrase, "Owner", kind);
        LookupAnswer(*engine, indexes);
        return request().Answered ? request().OutputPhrase : QString();
    }
    bool logged(const QString& line) const { return consoleLines().contains(line); }
};

struct TryCase {
    const char* name;
    const char* category;
    const char* daytime;
    const char* personality;
    const char* hitLine;
};

TEST_F(Lookup, EachTryRelaxesCategoryDaytimeAndPersonalityInTurn) {
    const TryCase cases[] = {
        {"all three", "DEFAULT", "Midday", "NEUTRAL",
         "A.I. > Answer found (match by category, daytime and personality)."},
        {"daytime", "DEFAULT", "Midday", "POSITIVE",
         "A.I. > Answer found (match by category and daytime)."},
        {"personality", "DEFAULT", "Night", "NEUTRAL",
         "A.I. > Answer found (match by category and personality)."},
        {"category", "DEFAULT", "Night", "POSITIVE", "A.I. > Answer found (match by category)."},
        {"other category", "GAMES", "Midday", "NEUTRAL", "A.I. > Answer found (simple match)."},
    };
    for (const bool mwr : {false, true}) {
        for (const TryCase& c : cases) {
            SCOPED_TRACE(QString("%1, mixed words %2").arg(c.name).arg(mwr).toStdString());
            brain.db().execute("DELETE FROM interface_s");
            teach("interface_s", "%HOW%ARE%YOU%", " FINE ", c.category, c.daytime, c.personality);
            settings().enableMixedWordRecognition = mwr;
            EXPECT_EQ(lookUp("HOW ARE YOU"), " FINE ");
            EXPECT_TRUE(logged(c.hitLine));
            EXPECT_EQ(request().MatchedQuestion, "HOW ARE YOU");
            EXPECT_TRUE(request().DatabaseMatch);
            EXPECT_FALSE(request().AdmMatch);
        }
    }
}

TEST_F(Lookup, TheTraceLineGrowsByOneLabelPerMiss) {
    teach("interface_s", "%HOW%ARE%YOU%", " FINE ", "DEFAULT", "Night", "NEUTRAL");
    lookUp("HOW ARE YOU");
    EXPECT_TRUE(
        logged("A.I. > Analysing interface data with MWR (algorithm: A), (algorithm: B), "
               "(algorithm: C)."));
    settings().enableMixedWordRecognition = false;
    settings().enableAdvancedDataMatching = false;
    lookUp("GOOD NIGHT");
    EXPECT_TRUE(
        logged("A.I. > Analysing interface data with STD (algorithm: A), (algorithm: B), "
               "(algorithm: C), (algorithm: D), (algorithm: E)."));
    EXPECT_TRUE(logged("A.I. > Answer not found."));
    EXPECT_FALSE(request().Answered);
}

TEST_F(Lookup, MixedWordRecognitionFindsTheSameWordsInAnyOrder) {
    teach("interface_s", "%YOU%ARE%HOW%", " FINE ");
    EXPECT_EQ(lookUp("HOW ARE YOU"), " FINE ");
    settings().enableMixedWordRecognition = false;
    settings().enableAdvancedDataMatching = false;
    EXPECT_EQ(lookUp("HOW ARE YOU"), "");
}

TEST_F(Lookup, TheInterfaceTableOfTheClassificationIsSearched) {
    teach("interface_q", "%WHAT%TIME%IS%IT%", " NOON ");
    EXPECT_EQ(lookUp("WHAT TIME IS IT"), "");
    input("WHAT TIME IS IT").InputCategory = "interface_q";
    LookupAnswer(*engine, indexes);
    EXPECT_EQ(request().OutputPhrase, " NOON ");
}

TEST_F(Lookup, ContextualPhraseFallsBackToItsContextKeywords) {
    teach("interface_s", "%WEATHER%", " LOVELY ");
    // The same words as the contextual phrase: mixed-word matching must not take it.
    teach("interface_s", "%IT%IS%SUNNY%0Y1Z0X1Y%WEATHER%", " WRONG ");
    EXPECT_EQ(lookUp("WEATHER 0Y1Z0X1Y IT IS SUNNY"), " LOVELY ");
    EXPECT_TRUE(logged("A.I. > Changing context matching rules.."));
    EXPECT_TRUE(logged("A.I. > Analysing interface data with MWR + CTXT (algorithm: A)."));
    EXPECT_FALSE(logged("A.I. > Analysing interface data with ADM (algorithm: A)"));
    EXPECT_EQ(request().MatchedQuestion, "WEATHER");
    // The full contextual pattern is what the user said.
    EXPECT_EQ(value("SELECT * FROM lastphrase_user WHERE user=?", {"Owner"}, "phrase"),
              "%WEATHER%0Y1Z0X1Y%IT%IS%SUNNY%");
}

TEST_F(Lookup, ContextualPhraseIsFoundWholeInTheFirstPass) {
    teach("interface_s", "%WEATHER%0Y1Z0X1Y%IT%IS%SUNNY%", " WHOLE ");
    teach("interface_s", "%WEATHER%", " KEYWORDS ");
    EXPECT_EQ(lookUp("WEATHER 0Y1Z0X1Y IT IS SUNNY"), " WHOLE ");
    EXPECT_FALSE(logged("A.I. > Changing context matching rules.."));
}

TEST_F(Lookup, ContextualMissIsReportedOnce) {
    EXPECT_EQ(lookUp("WEATHER 0Y1Z0X1Y IT IS SUNNY"), "");
    EXPECT_EQ(consoleLines().count("A.I. > Answer not found."), 1);
}

struct AdmCase {
    const char* name;
    const char* stored;
    const char* category;
    const char* phrase;
    const char* hitLine;  // null: not found
};

TEST_F(Lookup, AdvancedDataMatchingTakesPatternsBothWays) {
    const AdmCase cases[] = {
        {"stored pattern in the phrase", "%WHAT%TIME%", "DEFAULT", "WHAT IS THE TIME NOW",
         "A.I. > Answer found with ADM (algorithm: A). Answer efficiency: 5% - 50%"},
        {"same, other category", "%WHAT%TIME%", "GAMES", "WHAT IS THE TIME NOW",
         "A.I. > Answer found with ADM (algorithm: B). Answer efficiency: 5% - 30%"},
        {"phrase in the stored question", "%WHAT%IS%THE%TIME%NOW%", "DEFAULT", "WHAT TIME",
         "A.I. > Answer found with ADM (algorithm: C). Answer efficiency: 5% - 20%"},
        {"same, other category", "%WHAT%IS%THE%TIME%NOW%", "GAMES", "WHAT TIME",
         "A.I. > Answer found with ADM (algorithm: D). Answer efficiency: 5% - 20%"},
        {"one-word pattern is never used", "%TIME%", "DEFAULT", "WHAT IS THE TIME NOW", nullptr},
        {"one-word phrase is no pattern", "%WHAT%IS%THE%TIME%", "DEFAULT", "TIME", nullptr},
        {"case counts", "%what%time%", "DEFAULT", "WHAT IS THE TIME NOW", nullptr},
        {"words in another order", "%TIME%WHAT%", "DEFAULT", "WHAT IS THE TIME NOW", nullptr},
        {"contextual rows are no candidates", "%WHAT%0Y1Z0X1Y%TIME%", "DEFAULT", "WHAT TIME",
         nullptr},
    };
    for (const AdmCase& c : cases) {
        SCOPED_TRACE(c.name);
        brain.db().execute("DELETE FROM interface_s");
        teach("interface_s", c.stored, " IT IS NOON ", c.category);
        const QString answer = lookUp(c.phrase);
        if (!c.hitLine) {
            EXPECT_EQ(answer, "");
            continue;
        }
        EXPECT_EQ(answer, " IT IS NOON ");
        EXPECT_TRUE(logged(c.hitLine));
        EXPECT_TRUE(request().AdmMatch);
        EXPECT_EQ(request().MatchedQuestion, QString(c.stored).replace('%', ' ').trimmed());
    }
}

TEST_F(Lookup, AdvancedDataMatchingPrefersTheLongestStoredPattern) {
    teach("interface_s", "%WHAT%TIME%", " SHORT ");
    teach("interface_s", "%WHAT%THE%TIME%", " LONG ");
    EXPECT_EQ(lookUp("WHAT IS THE TIME NOW"), " LONG ");
}

TEST_F(Lookup, AVeryLongStoredPatternIsStillAnAdvancedMatch) {
    // Longer than a TEXT column could hold: the longest-first order must not spill into the
    // ranks of the tries before.
    const QString stored = "%WHAT" + QString(70000, '%') + "TIME%";
    teach("interface_s", stored, " LONG ");
    teach("interface_s", "%WHAT%TIME%", " SHORT ");
    EXPECT_EQ(lookUp("WHAT IS THE TIME NOW"), " LONG ");
    EXPECT_TRUE(logged("A.I. > Answer found with ADM (algorithm: A). Answer efficiency: 5% - 50%"));
    EXPECT_TRUE(request().AdmMatch);
}

TEST_F(Lookup, AdvancedDataMatchingTraceAndItsSwitches) {
    teach("interface_s", "%WHAT%IS%THE%TIME%NOW%", " NOON ", "GAMES");
    lookUp("WHAT TIME");
    EXPECT_TRUE(
        logged("A.I. > Analysing interface data with ADM (algorithm: A), (algorithm: B), "
               "(algorithm: C), (algorithm: D)."));

    EXPECT_EQ(lookUp("WHAT TIME", TargetKind::Channel), "");
    EXPECT_TRUE(logged("A.I. > ADM is not allowed on public messages."));
    settings().allowAdmOnPublicMessages = true;
    EXPECT_EQ(lookUp("WHAT TIME", TargetKind::Channel), " NOON ");
    EXPECT_TRUE(logged("A.I. > Notice! ADM is allowed on public messages."));

    settings().enableAdvancedDataMatching = false;
    EXPECT_EQ(lookUp("WHAT TIME"), "");
}

TEST_F(Lookup, HitIsKeptAsTheUsersOriginalQuestion) {
    teach("interface_s", "%HELLO%", " HI ");
    lookUp("HELLO");
    EXPECT_EQ(value("SELECT * FROM lastphrase_user WHERE user=?", {"Owner"}, "original_question"),
              "HELLO");
    brain.db().execute("UPDATE lastphrase_user SET phrase='HELLO', teacher='', mmas_question='Q'");
    lookUp("HELLO");
    EXPECT_EQ(count("SELECT * FROM lastphrase_user WHERE user=? AND phrase='HELLO' AND "
                    "teacher='NO' AND mmas_question='Q' AND original_question='HELLO' AND "
                    "interface_type='interface_s'",
                    {"Owner"}),
              1);

    // An empty phrase is filled in; where public messages are answered the phrase becomes the
    // question's words.
    brain.db().execute("UPDATE lastphrase_user SET phrase='', teacher=' '");
    lookUp("HELLO");
    EXPECT_EQ(value("SELECT * FROM lastphrase_user WHERE user=?", {"Owner"}, "phrase"),
              "QUENMARK TALVANE");
    EXPECT_EQ(value("SELECT * FROM lastphrase_user WHERE user=?", {"Owner"}, "teacher"), " ");
    settings().answerOnPublicMessages = true;
    lookUp("HELLO");
    EXPECT_EQ(value("SELECT * FROM lastphrase_user WHERE user=?", {"Owner"}, "phrase"), "HELLO");
    EXPECT_EQ(count("SELECT * FROM lastphrase_user"), 1);
}

TEST_F(Lookup, NoPhraseMakesAStatementFail) {
    const char* phrases[] = {
        "IT'S \"QUOTED\"",
        "BACK\\SLASH \\",
        "100% _SURE_",
        "A(B [C {D} ^$ .* +? |",
        "(",
        "[",
        "\\",
        "'",
        "%",
        "_ _",
        "C++ IS *FUN*",
        "WHAT ? ! ,",
        "ĀBOLS ŠĶIRNE",
        "DROP TABLE X; --",
    };
    for (const char* phrase : phrases) {
        SCOPED_TRACE(phrase);
        // Exact matching finds any stored phrase; the other tries may take its characters as
        // patterns, but never fail.
        settings().enableMixedWordRecognition = false;
        teach("interface_s", QuestionPattern(phrase), " STORED ");
        EXPECT_NO_THROW(lookUp(phrase));
        EXPECT_EQ(request().OutputPhrase, " STORED ");
        brain.db().execute("DELETE FROM interface_s");
        for (const bool mwr : {false, true}) {
            settings().enableMixedWordRecognition = mwr;
            EXPECT_NO_THROW(lookUp(phrase));
            EXPECT_NO_THROW(lookUp(QString(phrase) + " 0Y1Z0X1Y " + phrase));
        }
    }
    EXPECT_EQ(count("SELECT * FROM interface_s"), 0);
}

}  // namespace

namespace {

// The lookup asks the tries together in one statement where that returns the same row. The tries
// one by one, each a statement of its own as the lookup is specified, are the reference: for every
// phrase the lookup must report the same try and give one of that try's rows.
class LookupEquivalence : public Lookup {
  protected:
    struct Reference {
        QString hitLine;      // empty: nothing found
        QStringList answers;  // the rows the winning try chooses from
    };

    QStringList answers(const QString& sql, const QVariantList& params, bool longestOnly) {
        Query& db = brain.db();
        db.open(sql, params);
        QStringList found;
        qsizetype longest = 0;
        for (db.first(); !db.eof(); db.next())
            longest = std::max(longest, db.field("question").toUtf8().size());
        for (db.first(); !db.eof(); db.next())
            if (!longestOnly || db.field("question").toUtf8().size() == longest)
                found << db.field("answer");
        return found;
    }

    Reference reference(const QString& phrase) {
        const Request& r = request();
        const QString K = QuestionPattern(phrase);
        const QString upper = K.toUpper();
        const bool mwr = settings().enableMixedWordRecognition;
        QString M;
        QVariantList words;
        if (mwr) {
            for (const QString& w : K.split('%', Qt::SkipEmptyParts)) {
                M += " AND question RLIKE ?";
                words << w;
            }
        } else {
            M = " AND question=?";
            words << upper;
        }
        const QString from = "SELECT * FROM interface_s WHERE ";
        const QString length = " AND CHAR_LENGTH(question) = CHAR_LENGTH(?)";
        const struct {
            QString sql;
            QVariantList params;
            const char* hit;
        } first[] = {
            {from + "category=? AND daylight_time=? AND personality=?" + length + M,
             QVariantList{r.Category, r.Daytime, r.Personality, K} + words,
             "A.I. > Answer found (match by category, daytime and personality)."},
            {from + "category=? AND daylight_time=?" + length + M,
             QVariantList{r.Category, r.Daytime, K} + words,
             "A.I. > Answer found (match by category and daytime)."},
            {from + "category=? AND personality=?" + length + M,
             QVariantList{r.Category, r.Personality, K} + words,
             "A.I. > Answer found (match by category and personality)."},
            {from + "category=?" + length + M, QVariantList{r.Category, K} + words,
             "A.I. > Answer found (match by category)."},
            {from + "question RLIKE ?" + length + (mwr ? M : ""),
             QVariantList{upper, K} + (mwr ? words : QVariantList{}),
             "A.I. > Answer found (simple match)."},
        };
        for (const auto& t : first) {
            const QStringList found = answers(t.sql, t.params, false);
            if (!found.isEmpty()) return {t.hit, found};
        }
        if (!settings().enableAdvancedDataMatching) return {};
        const QString percents = "LENGTH(question) - LENGTH(REPLACE(question, '%', '')) > 2";
        const QString notContextual =
            " AND question NOT RLIKE '0Y1Z0X1Y' AND question NOT RLIKE '1Y0Z1X0Y' AND LENGTH(?) - "
            "LENGTH(REPLACE(?, '%', '')) > 2";
        const struct {
            QString sql;
            QVariantList params;
            bool longest;
            const char* hit;
        } adm[] = {
            {from + "? LIKE question COLLATE utf8mb4_bin AND category=? AND " + percents,
             {K, r.Category},
             true,
             "A.I. > Answer found with ADM (algorithm: A). Answer efficiency: 5% - 50%"},
            {from + "? LIKE question COLLATE utf8mb4_bin AND " + percents,
             {K},
             true,
             "A.I. > Answer found with ADM (algorithm: B). Answer efficiency: 5% - 30%"},
            {from + "question COLLATE utf8mb4_bin LIKE ? AND category=?" + notContextual,
             {K, r.Category, K, K},
             false,
             "A.I. > Answer found with ADM (algorithm: C). Answer efficiency: 5% - 20%"},
            {from + "question COLLATE utf8mb4_bin LIKE ?" + notContextual,
             {K, K, K},
             false,
             "A.I. > Answer found with ADM (algorithm: D). Answer efficiency: 5% - 20%"},
        };
        for (const auto& t : adm) {
            const QStringList found = answers(t.sql, t.params, t.longest);
            if (!found.isEmpty()) return {t.hit, found};
        }
        return {};
    }
};

TEST_F(LookupEquivalence, AskingTheTriesTogetherFindsWhatTheyFindOneByOne) {
    // A brain of short questions over few words, so that every try has rows for some phrases:
    // the same words in other orders, other categories, daytimes and personalities, patterns of
    // several words, an expanded one-word question, lower case and a contextual row.
    const QStringList vocabulary{"HOW", "ARE", "YOU", "WHAT", "TIME", "IS", "IT", "NOW"};
    QRandomGenerator random(7);
    auto phraseOf = [&](int words) {
        QStringList list;
        for (int i = 0; i < words; ++i)
            list << vocabulary[random.bounded(int(vocabulary.size()))];
        return list.join(' ');
    };
    int n = 0;
    for (int i = 0; i < 160; ++i) {
        const QString question = QuestionPattern(phraseOf(1 + int(random.bounded(4))));
        teach("interface_s", question, QString(" R%1 ").arg(++n),
              random.bounded(4) == 0 ? "GAMES" : "DEFAULT", random.bounded(2) ? "Midday" : "Night",
              random.bounded(2) ? "NEUTRAL" : "Good");
    }
    for (const char* special : {"%%TIME%%", "%how%are%", "%WHAT%0Y1Z0X1Y%TIME%", "%IS%%IT%"})
        teach("interface_s", special, QString(" R%1 ").arg(++n));
    // Only ADM D finds the phrase ZEBRA ZEBRA in it.
    teach("interface_s", "%ZEBRA%HOW%ZEBRA%ARE%", QString(" R%1 ").arg(++n), "GAMES");

    QStringList phrases{"ZEBRA ZEBRA"};
    for (int i = 0; i < 120; ++i)
        phrases << phraseOf(1 + int(random.bounded(6)));
    int hits = 0;
    QSet<QString> hitLines;
    for (const bool mwr : {true, false}) {
        for (const bool adm : {true, false}) {
            settings().enableMixedWordRecognition = mwr;
            settings().enableAdvancedDataMatching = adm;
            for (const QString& phrase : phrases) {
                SCOPED_TRACE(QString("%1 (mixed words %2, ADM %3)")
                                 .arg(phrase)
                                 .arg(mwr)
                                 .arg(adm)
                                 .toStdString());
                input(phrase);
                const Reference expected = reference(phrase);
                LookupAnswer(*engine, indexes);
                if (expected.hitLine.isEmpty()) {
                    EXPECT_FALSE(request().Answered);
                    continue;
                }
                ++hits;
                hitLines << expected.hitLine;
                EXPECT_TRUE(logged(expected.hitLine));
                EXPECT_TRUE(expected.answers.contains(request().OutputPhrase))
                    << request().OutputPhrase.toStdString();
            }
        }
    }
    // The brain and phrases reach every try, so the comparison covers them all.
    EXPECT_EQ(hitLines.size(), 9) << QStringList(hitLines.values()).join('\n').toStdString();
    EXPECT_GT(hits, 200);
}

}  // namespace
