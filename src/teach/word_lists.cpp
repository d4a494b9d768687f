#include "word_lists.h"

#include "regex_literal.h"
#include "reserved_words.h"
#include "word_list_command.h"

#include "brain/phrase_markers.h"
#include "brain/query.h"
#include "brain/question_pattern.h"
#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

#include <QRegularExpression>

namespace {

// The argument of most commands: the phrase without its token, less one blank at each end.
QString WithoutOuterBlank(QString rest) {
    if (rest.startsWith(' ')) rest.remove(0, 1);
    if (rest.endsWith(' ')) rest.chop(1);
    return rest;
}

// Positive and negative words -------------------------------------------------------------

struct MoodList {
    QString table, column, kind;
};
const MoodList kPositive{"words_positive", "positive", "Positive"};
const MoodList kNegative{"words_negative", "negative", "Negative"};

// A word to teach must be there: an empty one would match every phrase, so a teaching command
// without a word (all of it normalised away, as in "[POSITIVE] (((") is no command. A word to
// erase may be missing; the erasing says it does not exist.
std::function<std::optional<WordListEntry>(Engine&, const QString&)> MoodEntry(const MoodList& list,
                                                                               bool erasing) {
    return [list, erasing](Engine&, const QString& rest) -> std::optional<WordListEntry> {
        const QString word = WithoutOuterBlank(rest);
        if (!erasing && word.trimmed().isEmpty()) return std::nullopt;
        return WordListEntry{list.table, list.column, word};
    };
}

// A word cannot be positive and negative at once.
std::function<std::optional<CommandReply>(Engine&, const WordListEntry&)> MoodRefusal(
    const MoodList& list, const MoodList& other) {
    const QString kind = list.kind;
    return
        [other, kind](Engine& engine, const WordListEntry& entry) -> std::optional<CommandReply> {
            if (engine.db.open(QStringLiteral("SELECT * FROM %1 WHERE %2=? LIMIT 1")
                                   .arg(other.table, other.column),
                               {entry.value}) == 0)
                return std::nullopt;
            return CommandReply{{"A.I. > " + kind + " word(s) seems wrong."},
                                "On Manual Learning - " + kind + " - Wrong",
                                {},
                                kind.toLower() + " word(s) seems wrong."};
        };
}

WordListCommand MoodCommand(const QString& token, const MoodList& list, bool erasing,
                            const QString& successEvent) {
    return {.token = token,
            .noun = list.kind.toLower() + " word(s)",
            .erasing = erasing,
            .entry = MoodEntry(list, erasing),
            .successEvent = successEvent};
}

// Context keywords ------------------------------------------------------------------------

std::optional<WordListEntry> ContextEntry(Engine&, const QString& rest) {
    QString keywords = rest.toUpper();
    ApplyInOrder(keywords, {{u"[", u"XX"}, {u"]", u"YY"}});
    return WordListEntry{"words_context", "context_words", ' ' + keywords + ' '};
}

QString Keywords(const WordListEntry& entry) {
    return entry.value.mid(1, entry.value.size() - 2);
}

// Contextual questions hold the keywords in front of the context marker, at their start or right
// after the marker of an earlier question. Anchored there, so that erasing WHY leaves the
// questions of REALLY WHY alone.
QString LinkedQuestionsPattern(const WordListEntry& entry) {
    return "(^|" + kEarlierQuestionMarker + ")" + RegexLiteral(QuestionPattern(Keywords(entry))) +
           kContextMarker + "%";
}

qint64 CountLinkedQuestions(Query& db, const QString& table, const QString& pattern) {
    db.open("SELECT COUNT(*) AS result FROM " + table + " WHERE question RLIKE ?", {pattern});
    return db.field("result").toLongLong();
}

// "Protect Contextual Data": keywords that taught questions use stay.
bool KeepLinkedKeywords(Engine& engine, const WordListEntry& entry) {
    if (!engine.state.settings.protectContextualData) return false;
    const QString pattern = LinkedQuestionsPattern(entry);
    const qint64 linked = CountLinkedQuestions(engine.db, "interface_s", pattern) +
                          CountLinkedQuestions(engine.db, "interface_q", pattern);
    if (linked == 0) return false;
    const QString keywords = Keywords(entry);
    const QString count = QString::number(linked);
    EndCommand(engine,
               {{"A.I. > Context keyword(s) \"" + keywords.toLower() +
                 "\" linked with interface data (count: " + count + ")."},
                "On Manual Erasing - Context - Linked With Interface",
                {"A.I. > Context keyword(s) erasing canceled."},
                "context keyword(s) \"" + keywords +
                    "\" linked with interface data (count: " + count + ")."},
               true);
    return true;
}

// Without "Keep Linked Contextual Data" the questions taught with the keywords go with them.
void EraseLinkedQuestions(Engine& engine, const WordListEntry& entry) {
    if (engine.state.settings.keepLinkedContextualData) return;
    const QString pattern = LinkedQuestionsPattern(entry);
    qint64 modified = 0;
    for (const QString table : {"interface_s", "interface_q"})
        modified += engine.db.questionChanges().keepingQuestions(
            table, "DELETE FROM " + table + " WHERE question RLIKE ?", {pattern});
    if (modified == 0) return;
    const QString count = QString::number(modified);
    ConsoleLine(engine, "A.I. > Modified: " + count + " occurences in Q.I.V.O™ interface.");
    TrainingNotice(engine, "modified: " + count + " occurences in Q.I.V.O™ interface.");
}

// Case-sensitive words --------------------------------------------------------------------

// The words as the user typed them: the phrase is upper case, the original is not. Blanks
// between the words may differ, since normalisation squeezed them.
QString TypedCase(const QString& original, const QString& upper) {
    QStringList words = upper.split(' ', Qt::SkipEmptyParts);
    for (QString& word : words)
        word = QRegularExpression::escape(word);
    const QRegularExpression typed(words.join("\\s+"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = typed.match(original);
    return match.hasMatch() ? match.captured() : upper;
}

// One word goes to words_cs, several to words_css. A command without words is none.
std::optional<WordListEntry> CaseEntry(Engine& engine, const QString& rest) {
    QString words = TypedCase(engine.state.request.OriginalPhrase, WithoutOuterBlank(rest));
    SqueezeBlankRuns(words, 10);
    TrimBlanks(words);
    if (words.isEmpty()) return std::nullopt;
    if (words.contains(' ')) return WordListEntry{"words_css", "words", ' ' + words + ' '};
    return WordListEntry{"words_cs", "word", ' ' + words + ' '};
}

QString CaseWordsLearned(const WordListEntry& entry) {
    return entry.table == "words_css" ? "learned new case sensitive word word(s)."
                                      : "learned new case sensitive word(s).";
}

}  // namespace

bool ContextKeywordsAreReserved(Engine& engine, const QString& keywords) {
    if (keywords.trimmed().isEmpty()) return true;
    // Keywords holding a marker of the contextual phrase would take it apart.
    if (keywords.contains(kContextMarker) || keywords.contains(kEarlierQuestionMarker)) return true;
    return QuestionIsReserved(engine, keywords);
}

void TeachContextKeywords(Engine& engine) {
    RunWordListCommand(
        engine,
        {.token = ">>",
         .noun = "context keyword(s)",
         .entry = ContextEntry,
         .refusal = [](Engine& e, const WordListEntry& entry) -> std::optional<CommandReply> {
             if (!ContextKeywordsAreReserved(e, Keywords(entry))) return std::nullopt;
             return CommandReply{{"A.I. > Wrong context keyword(s)."},
                                 "On Manual Learning - Context - Wrong",
                                 {},
                                 "wrong context keyword(s)."};
         },
         .successEvent = "On Manual Learning - Context - Success"});
}

void EraseContextKeywords(Engine& engine) {
    RunWordListCommand(engine, {.token = "<<",
                                .noun = "context keyword(s)",
                                .erasing = true,
                                .entry = ContextEntry,
                                .beforeDelete = KeepLinkedKeywords,
                                .afterDelete = EraseLinkedQuestions,
                                .successEvent = "On Manual Erasing - Context - Success"});
}

void TeachCaseWords(Engine& engine) {
    RunWordListCommand(engine,
                       {.token = "[CSWORD]",
                        .noun = "case sensitive word(s)",
                        .entry = CaseEntry,
                        .successEvent = "On Manual Learning - Case Sensitive Word - Success",
                        .learnedNotice = CaseWordsLearned});
}

void EraseCaseWords(Engine& engine) {
    RunWordListCommand(engine,
                       {.token = "[NOCSWORD]",
                        .noun = "case sensitive word(s)",
                        .erasing = true,
                        .entry = CaseEntry,
                        .successEvent = "On Manual Erasing - Case Sensitive Word - Success"});
}

void TeachPositiveWords(Engine& engine) {
    WordListCommand command =
        MoodCommand("[POSITIVE]", kPositive, false, "On Manual Learning - Positive - Success");
    command.refusal = MoodRefusal(kPositive, kNegative);
    RunWordListCommand(engine, command);
}

void TeachNegativeWords(Engine& engine) {
    WordListCommand command =
        MoodCommand("[NEGATIVE]", kNegative, false, "On Manual Learning - Negative - Success");
    command.refusal = MoodRefusal(kNegative, kPositive);
    RunWordListCommand(engine, command);
}

void ErasePositiveWords(Engine& engine) {
    RunWordListCommand(engine, MoodCommand("[NOPOSITIVE]", kPositive, true,
                                           "On Manual Erasing - Positive - Success"));
}

void EraseNegativeWords(Engine& engine) {
    RunWordListCommand(engine, MoodCommand("[NONEGATIVE]", kNegative, true,
                                           "On Manual Erasing - Negative - Success"));
}
