#include "phrase_marks.h"

#include "engine/contains.h"
#include "engine/text_rules.h"

namespace {

// "<>" may stand as a command three times; a fourth stays plain text.
constexpr int kErasingCommands = 3;

constexpr Replacement kEqualsJoined[] = {
    {u" = ", u"="},
    {u" =", u"="},
    {u"= ", u"="},
};

constexpr QStringView kErasingSpellings[] = {
    u" < > ", u"< >", u"< > ", u" < >", u" <> ", u" <>", u"<> ",
};

constexpr QStringView kContextTeachingSpellings[] = {
    u" > > ", u" >> ", u" > >", u" >>", u"> > ", u">> ", u"> >",
};

constexpr QStringView kContextErasingSpellings[] = {
    u" < < ", u" << ", u" < <", u" <<", u"< < ", u"<< ", u"< <",
};

constexpr QStringView kPaddedMarks[] = {
    kCommaMark,       kExclamationMark, kQuestionMark,    kResponseTeaching, kResponseExtend,
    kSynonymTeaching, kSynonymErasing,  kContextTeaching, kContextErasing,
};

// How many leading occurrences a restoration turns back; 0 means every one.
struct MarkRestoration {
    QStringView mark;
    QStringView symbol;
    int firstOccurrences;
};

constexpr MarkRestoration kRestorations[] = {
    {kCommaMark, u", ", 0},
    {kExclamationMark, u"!", 1},
    {kQuestionMark, u"?", 0},
    {kResponseTeaching, u"#", 1},
    {kResponseExtend, u"##", 1},
    {kSynonymTeaching, u"=", 0},
    {kSynonymErasing, u"<>", kErasingCommands},
    {kContextTeaching, u">>", 1},
    {kContextErasing, u"<<", 1},
};

}  // namespace

void MarkCommas(QString& phrase) {
    ReplaceAll(phrase, u",", u" , ");
    ReplaceAll(phrase, u",", kCommaMark);
}

void MarkExclamations(QString& phrase) {
    if (!Contains(phrase, QStringLiteral("!"))) return;
    ReplaceAll(phrase, u"!", u" ");
    phrase += kExclamationMark;
}

void MarkQuestions(QString& phrase) {
    if (Contains(phrase, QStringLiteral("?"))) ReplaceAll(phrase, u"?", kQuestionMark);
}

void MarkHashes(QString& phrase) {
    if (Contains(phrase, QStringLiteral("##"))) {
        ReplaceFirst(phrase, u"##", kResponseExtend);
        ReplaceAll(phrase, u"#", u" ");
    }
    ReplaceFirst(phrase, u"#", kResponseTeaching);
    ReplaceAll(phrase, u"#", u" ");
}

void MarkCommandSymbols(QString& phrase) {
    ApplyInOrder(phrase, kEqualsJoined);
    ReplaceAll(phrase, u"=", kSynonymTeaching);

    ReplaceEach(phrase, kErasingSpellings, u"<>");
    for (int i = 0; i < kErasingCommands; ++i)
        ReplaceFirst(phrase, u"<>", kSynonymErasing);

    ReplaceEach(phrase, kContextTeachingSpellings, u">>");
    ReplaceFirst(phrase, u">>", kContextTeaching);

    ReplaceEach(phrase, kContextErasingSpellings, u"<<");
    ReplaceFirst(phrase, u"<<", kContextErasing);
}

void PadMarks(QString& phrase) {
    for (const QStringView mark : kPaddedMarks)
        ReplaceAll(phrase, mark, QLatin1Char(' ') + mark.toString() + QLatin1Char(' '));
}

void RestoreMarks(QString& phrase) {
    for (const auto& [mark, symbol, firstOccurrences] : kRestorations) {
        if (firstOccurrences == 0) {
            ReplaceAll(phrase, mark, symbol);
            continue;
        }
        for (int i = 0; i < firstOccurrences; ++i)
            ReplaceFirst(phrase, mark, symbol);
    }
}
