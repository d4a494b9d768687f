#include "answer_lookup.h"

#include "interface_table.h"
#include "original_question.h"
#include "question_pattern.h"

#include "brain/drawn_row.h"
#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"

#include <iterator>

namespace {

const QString kContextMarker = QStringLiteral("0Y1Z0X1Y");

// A search condition with its bound values.
struct Condition {
    QString sql;
    QVariantList params;
};

Condition operator+(Condition a, const Condition& b) {
    a.sql += b.sql;
    a.params += b.params;
    return a;
}

struct Try {
    QChar label;
    QString hitLine;
};

const Try kFirstPass[] = {
    {'A', "A.I. > Answer found (match by category, daytime and personality)."},
    {'B', "A.I. > Answer found (match by category and daytime)."},
    {'C', "A.I. > Answer found (match by category and personality)."},
    {'D', "A.I. > Answer found (match by category)."},
    {'E', "A.I. > Answer found (simple match)."},
};
const Try kAdm[] = {
    {'A', "A.I. > Answer found with ADM (algorithm: A). Answer efficiency: 5% - 50%"},
    {'B', "A.I. > Answer found with ADM (algorithm: B). Answer efficiency: 5% - 30%"},
    {'C', "A.I. > Answer found with ADM (algorithm: C). Answer efficiency: 5% - 20%"},
    {'D', "A.I. > Answer found with ADM (algorithm: D). Answer efficiency: 5% - 20%"},
};
constexpr qsizetype kTries = 5;

// Characters with a meaning in the server's regular expressions. Text without them matches
// (RLIKE) exactly where it occurs literally, and can never make a statement fail.
bool HasRegexSpecials(const QString& text) {
    static const QString special = QStringLiteral("\\^$.|?*+()[]{}");
    for (const QChar c : text)
        if (special.contains(c)) return true;
    return false;
}

// A statement that ranks every row it finds by the try that would have found it: the lowest
// rank wins, ties at random. A rank is the try's number times this step; within the ranks of
// a longest-first try, longer questions come first. The step is one more than the longest
// question a MEDIUMTEXT column holds, in bytes.
constexpr qint64 kLongestQuestion = 16777215;
constexpr qint64 kRankStep = kLongestQuestion + 1;
QString Rank(int tryNumber) {
    return QString::number(tryNumber * kRankStep);
}

// The tries of one lookup. Each try of the first pass (A to E) and of advanced data matching
// (ADM A to D) is a SELECT with "ORDER BY RAND() LIMIT 1" (ADM A and B: longest stored question
// first) on the interface table; the first try that returns a row wins. A to D search by
// category, daytime and personality, less of them each time, with the same match clause M;
// E asks only for the match. Read one by one, every try reads the whole table again, so the
// tries are asked together where that returns the same row: one statement finds the rows of all
// tries and ranks each row by the first try that has it.
struct Lookup {
    Engine& e;
    QString table;
    QString pattern;

    const Request& r() const { return e.state.request; }
    bool mwrSetting() const { return e.state.settings.enableMixedWordRecognition; }

    Condition lengthClause() const {
        return {" AND CHAR_LENGTH(question) = CHAR_LENGTH(?)", {pattern}};
    }

    // M: the phrase itself, or with mixed words each of its words anywhere in the question.
    Condition match(bool mwr) const {
        if (!mwr) return {" AND question=?", {pattern.toUpper()}};
        Condition words;
        for (const QString& word : pattern.split('%', Qt::SkipEmptyParts)) {
            words.sql += " AND question RLIKE ?";
            words.params << word;
        }
        return words;
    }

    // Try E. Mixed-word recognition that does not apply (a contextual phrase) asks for the
    // phrase itself.
    Condition simpleMatch(bool mwr) const {
        const QString upper = pattern.toUpper();
        const Condition head{mwrSetting() && !mwr ? "question=?" : "question RLIKE ?", {upper}};
        return head + lengthClause() + (mwr ? match(true) : Condition{});
    }

    // Tries A to E, each as its own statement, until one returns a row; returns its number,
    // -1 when none does. Used when the phrase holds characters special to regular expressions:
    // a pattern the server rejects then fails only the tries that use it.
    int firstPassOneByOne(bool mwr) {
        const Request& q = r();
        const Condition M = lengthClause() + match(mwr);
        const Condition conditions[] = {
            Condition{"category=? AND daylight_time=? AND personality=?",
                      {q.Category, q.Daytime, q.Personality}} +
                M,
            Condition{"category=? AND daylight_time=?", {q.Category, q.Daytime}} + M,
            Condition{"category=? AND personality=?", {q.Category, q.Personality}} + M,
            Condition{"category=?", {q.Category}} + M,
            simpleMatch(mwr),
        };
        for (int i = 0; i < kTries; ++i)
            if (e.db.open(DrawnRowStatement(table, conditions[i].sql), conditions[i].params) > 0)
                return i;
        return -1;
    }

    // Tries A to E in one statement. A to D share the match and differ only in the category,
    // daytime and personality they ask for, so a row found by the match with the category is
    // ranked by which of these it has; without the category it can only be E's. Without mixed
    // words the match is the phrase itself, which E (equal length and containment) asks for
    // too: the index on the question then finds every candidate.
    Condition firstPassRanked(bool mwr, Condition& where) const {
        const Request& q = r();
        const Condition shared =
            Condition{"CHAR_LENGTH(question) = CHAR_LENGTH(?)", {pattern}} + match(mwr);
        where = shared;
        if (!(mwrSetting() && !mwr)) {
            // E's own condition beyond the shared ones; contextual E asks for nothing more.
            where = where + Condition{" AND (category=? OR question RLIKE ?)",
                                      {q.Category, pattern.toUpper()}};
        }
        return {"CASE WHEN category=? AND daylight_time=? AND personality=? THEN " + Rank(0) +
                    " WHEN category=? AND daylight_time=? THEN " + Rank(1) +
                    " WHEN category=? AND personality=? THEN " + Rank(2) +
                    " WHEN category=? THEN " + Rank(3) + " ELSE " + Rank(4) + " END",
                {q.Category, q.Daytime, q.Personality, q.Category, q.Daytime, q.Category,
                 q.Personality, q.Category}};
    }

    // ADM A to D in one statement. A and B take the stored question as a LIKE pattern over the
    // phrase (a question of two words at least), longest first; C and D the phrase as a pattern
    // over non-contextual stored questions (a phrase of two words at least). A and C ask for the
    // category as well.
    Condition admRanked(Condition& where) const {
        const QString& C = r().Category;
        const Condition storedAsPattern{
            "? LIKE question COLLATE utf8mb4_bin AND "
            "LENGTH(question) - LENGTH(REPLACE(question, '%', '')) > 2",
            {pattern}};
        const Condition phraseAsPattern{
            "question COLLATE utf8mb4_bin LIKE ? AND question NOT RLIKE '0Y1Z0X1Y' AND "
            "question NOT RLIKE '1Y0Z1X0Y' AND LENGTH(?) - LENGTH(REPLACE(?, '%', '')) > 2",
            {pattern, pattern, pattern}};
        where = Condition{"(", {}} + storedAsPattern + Condition{") OR (", {}} + phraseAsPattern +
                Condition{")", {}};
        return Condition{"CASE WHEN ", {}} + storedAsPattern +
               Condition{" THEN IF(category=?, " + Rank(kTries) + ", " + Rank(kTries + 1) + ") + " +
                             QString::number(kLongestQuestion) +
                             " - LENGTH(question) ELSE IF(category=?, " + Rank(kTries + 2) + ", " +
                             Rank(kTries + 3) + ") END",
                         {C, C}};
    }

    // Runs a ranked statement; returns the number of the try that found the row, -1 for none.
    int findRanked(const Condition& rank, const Condition& where) {
        if (e.db.open(DrawnRowStatement(table, where.sql, rank.sql), rank.params + where.params) ==
            0)
            return -1;
        return int(e.db.field("draw_rank").toLongLong() / kRankStep);
    }

    // Whether advanced data matching may follow a first pass that found nothing; with `tell`,
    // the lines about public messages are written as the decision is taken.
    bool admAllowed(bool tell) {
        const Settings& s = e.state.settings;
        if (!s.enableAdvancedDataMatching) return false;
        if (r().TargetKind == 1) {
            if (tell)
                ConsoleLine(e, s.allowAdmOnPublicMessages
                                   ? "A.I. > Notice! ADM is allowed on public messages."
                                   : "A.I. > ADM is not allowed on public messages.");
            if (!s.allowAdmOnPublicMessages) return false;
        }
        return !pattern.contains('%' + kContextMarker + '%');
    }

    // The trace line of a pass: its head and one label for every further try it reached.
    void trace(const QString& head, const Try* tries, int reached) {
        QString line = head;
        for (int i = 1; i <= reached; ++i)
            line += ", (algorithm: " + QString(tries[i].label) + ")";
        ConsoleLine(e, line + ".");
    }

    // One pass of tries A to E, then advanced data matching when `withAdm` allows it. Returns
    // the console text of the hit, empty on a miss; `byAdm` tells where it was found.
    QString pass(bool plain, bool contextPass, bool withAdm, bool& byAdm) {
        const bool mwr = mwrSetting() && plain;
        const bool adm = withAdm && admAllowed(false);
        bool admAsked = false;
        int found;
        if (HasRegexSpecials(pattern)) {
            found = firstPassOneByOne(mwr);
        } else {
            Condition where;
            Condition rank = firstPassRanked(mwr, where);
            if (mwr && adm) {
                // Mixed words read the whole table anyway; reading it once more for ADM would
                // cost as much again, so ADM's rows are ranked after the first pass's.
                Condition admWhere;
                const Condition admRank = admRanked(admWhere);
                rank = Condition{"IF(", {}} + where + Condition{", ", {}} + rank +
                       Condition{", ", {}} + admRank + Condition{")", {}};
                where = Condition{"(", {}} + where + Condition{") OR ", {}} + admWhere;
                admAsked = true;
            }
            found = findRanked(rank, where);
        }
        const bool firstHit = found >= 0 && found < kTries;
        trace("A.I. > Analysing interface data with " + QString(mwrSetting() ? "MWR" : "STD") +
                  (contextPass ? " + CTXT" : "") + " (algorithm: A)",
              kFirstPass, firstHit ? found : kTries - 1);
        if (firstHit) return kFirstPass[found].hitLine;
        if (!withAdm || !admAllowed(true)) return {};
        if (!admAsked) {
            Condition where;
            const Condition rank = admRanked(where);
            found = findRanked(rank, where);
        }
        const int reached = found < 0 ? int(std::size(kAdm)) - 1 : found - kTries;
        trace("A.I. > Analysing interface data with ADM (algorithm: A)", kAdm, reached);
        if (found < 0) return {};
        byAdm = true;
        return kAdm[reached].hitLine;
    }
};

}  // namespace

void LookupAnswer(Engine& engine) {
    Request& r = engine.state.request;
    ConsoleLine(engine, "A.I. > Processing brain interface section..");
    if (!engine.state.settings.clearLogTextsBeforeEachNlp) ConsoleLine(engine, "");
    r.Answered = false;
    r.AdmMatch = false;
    r.DatabaseMatch = false;

    Lookup lookup{engine, InterfaceTable(r.InputCategory), QuestionPattern(r.WorkPhrase)};
    const bool plain = !lookup.pattern.contains('%' + kContextMarker + '%');
    const qsizetype marker = lookup.pattern.indexOf(kContextMarker);

    bool byAdm = false;
    QString hit = lookup.pass(plain, false, true, byAdm);
    if (hit.isEmpty() && marker >= 0) {
        ConsoleLine(engine, "A.I. > Changing context matching rules..");
        lookup.pattern.truncate(marker);
        hit = lookup.pass(false, true, false, byAdm);
    }
    if (hit.isEmpty()) {
        ConsoleLine(engine, "A.I. > Answer not found.");
        TrainingNotice(engine, "answer not found.");
        r.Answered = false;
        return;
    }
    r.AdmMatch = byAdm;
    ConsoleLine(engine, hit);
    r.OutputPhrase = engine.db.field("answer");
    r.MatchedQuestion = engine.db.field("question");
    SaveOriginalQuestion(engine);
    r.Answered = true;
    QString notice = hit.mid(QStringLiteral("A.I. > ").size());
    notice[0] = notice[0].toLower();
    TrainingNotice(engine, notice);
    r.DatabaseMatch = true;
}
