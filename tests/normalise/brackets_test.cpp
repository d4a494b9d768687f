#include "normalise/brackets.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>

namespace {

// The closing-up procedure written out step by step, searching the text anew for every pair;
// too slow for long phrases, but plainly what the rule says.
QString CloseUpByTheRule(QString text) {
    const QString opening = "01BRCKETXY01", closing = "02BRCKETYX02";
    for (int round = 0; round < 30; ++round) {
        while (true) {
            const qsizetype first = text.indexOf('[');
            if (first < 0) {
                text.replace(']', ' ');
                break;
            }
            qsizetype stray;
            while ((stray = text.indexOf(']')) >= 0 && stray < first)
                text[stray] = ' ';
            const qsizetype last = text.indexOf(']', first);
            if (last < 0) {
                text.replace('[', ' ');
                break;
            }
            QString inside = text.mid(first, last - first + 1);
            for (int pass = 0; pass < 10; ++pass) {
                inside.replace("   ", " ");
                inside.replace("  ", " ");
                inside.replace(" ", "");
                inside.replace("'", "");
            }
            text.replace(first, last - first + 1, inside);
            text.replace(text.indexOf('['), 1, opening);
            text.replace(text.indexOf(']'), 1, closing);
        }
        text.replace(opening, "[");
        text.replace(closing, "]");
    }
    return text;
}

TEST(CloseUpBrackets, PairsAreClosedUpAndBracketsWithoutPartnerBecomeBlanks) {
    const std::pair<const char*, const char*> cases[] = {
        {"[ POSITIVE ] NICE", "[POSITIVE] NICE"},
        {"A ] B", "A   B"},
        {"A [ B", "A   B"},
        {"] [X Y]", "  [XY]"},
        {"[A] [B C]", "[A] [BC]"},
        {"[A [B] C]", "[A[B]C]"},
        {"[A [B C", " A  B C"},
        {"[A 'B] 'C", "[AB] 'C"},
        {"[[[", "   "},
        {"]]]", "   "},
        {"", ""},
        // Spelled-out handled brackets turn into brackets and are closed up in the next round.
        {"01BRCKETXY01 A 02BRCKETYX02", "[A]"},
    };
    for (const auto& [phrase, closed] : cases) {
        QString text = phrase;
        CloseUpBrackets(text);
        EXPECT_EQ(text, closed) << phrase;
        EXPECT_EQ(CloseUpByTheRule(phrase), closed) << phrase;
    }
}

TEST(CloseUpBrackets, GivesWhatTheStepByStepRuleGivesOnRandomPhrases) {
    QRandomGenerator random(20260307);
    const QString alphabet = "[[]] ''AB";
    for (int i = 0; i < 3000; ++i) {
        QString phrase;
        const int length = random.bounded(24);
        for (int c = 0; c < length; ++c)
            phrase += alphabet[random.bounded(int(alphabet.size()))];
        QString text = phrase;
        CloseUpBrackets(text);
        ASSERT_EQ(text, CloseUpByTheRule(phrase)) << phrase.toStdString();
    }
}

TEST(CloseUpBrackets, ALongPhraseOfPairsTakesOneSweepPerRound) {
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += "[ A ] ";
    CloseUpBrackets(text);
    EXPECT_TRUE(text.startsWith("[A] [A] "));
    EXPECT_EQ(text.size(), 20000 * 4);
}

TEST(SpaceBrackets, BlanksMoveOutsideAndEmptyBracketsVanish) {
    const std::pair<const char*, const char*> cases[] = {
        {"[ X ]", "[X]"},
        {"A[]B", "A B"},
        {"A [ ] B", "A B"},
    };
    for (const auto& [phrase, spaced] : cases) {
        QString text = phrase;
        SpaceBrackets(text);
        EXPECT_EQ(text.simplified(), spaced) << phrase;
    }
}

}  // namespace
