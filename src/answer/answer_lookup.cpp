#include "answer_lookup.h"

#include "brain/interface_table.h"
#include "brain/question_pattern.h"
#include "interface_index.h"
#include "lookup_conditions.h"
#include "original_question.h"

#include "brain/drawn_row.h"
#include "brain/phrase_markers.h"
#include "brain/query.h"
#include "brain/value_list.h"
#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"

#include <iterator>

namespace {

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

// More candidates than this are cheaper for the server to find by reading the table.
constexpr qsizetype kMostCandidates = 16384;
// The rows of the lowest rank asked first: the server fetches every row named by its key, which
// costs far more than ranking them here.
constexpr qsizetype kFirstAsked = 8;

// "`index` IN (...)" over the keys.
Condition KeyIn(const QList<quint32>& keys) {
    QVariantList values;
    for (const quint32 key : keys)
        values << key;
    const QString marks = PaddedValueMarks(values);
    return {"`index` IN (" + marks + ")", values};
}

// The keys of the candidates of the lowest rank, and that rank.
QList<quint32> LowestRanked(const QList<Candidate>& candidates, qint64& lowest) {
    lowest = kNeverFound;
    QList<quint32> keys;
    for (const Candidate& candidate : candidates) {
        if (candidate.lowestRank > lowest) continue;
        if (candidate.lowestRank < lowest) keys.clear();
        lowest = candidate.lowestRank;
        keys << candidate.key;
    }
    return keys;
}

// Up to `count` of the keys, drawn at random.
QList<quint32> DrawnKeys(QList<quint32> keys, qsizetype count, RandomSource& random) {
    const qsizetype drawn = std::min(count, keys.size());
    for (qsizetype i = 0; i < drawn; ++i)
        std::swap(keys[i], keys[i + random.bounded(int(keys.size() - i))]);
    keys.resize(drawn);
    return keys;
}

// The tries of one lookup. Each try of the first pass (A to E) and of advanced data matching
// (ADM A to D) is a SELECT with "ORDER BY RAND() LIMIT 1" (ADM A and B: longest stored question
// first) on the interface table; the first try that returns a row wins. Read one by one, every
// try reads the whole table again, so the tries are asked together where that returns the same
// row: one statement finds the rows of all tries and ranks each row by the first try that has
// it. Where the copy of the table's questions names every row a statement could find, the
// statement reads only those.
struct Lookup {
    Engine& e;
    QString table;
    LookupConditions c;
    const InterfaceIndex* index;

    const Request& r() const { return e.state.request; }
    bool mwrSetting() const { return c.mwrSetting; }
    const QString& pattern() const { return c.pattern; }

    // Tries A to E, each as its own statement, until one returns a row; returns its number,
    // -1 when none does. Used when the phrase holds characters special to regular expressions:
    // a pattern the server rejects then fails only the tries that use it.
    int firstPassOneByOne(bool mwr) {
        const QList<Condition> tries = c.firstPassTries(mwr);
        for (int i = 0; i < tries.size(); ++i)
            if (e.db.open(DrawnRowStatement(table, tries[i].sql), tries[i].params) > 0) return i;
        return -1;
    }

    // Runs a ranked statement over the rows with these keys (all rows without), and returns
    // the rank of the row it drew, kNeverFound for none.
    qint64 drawRanked(const Condition& rank, Condition where, const QList<quint32>* keys) {
        if (keys) where = KeyIn(*keys) + Condition{" AND (", {}} + where + Condition{")", {}};
        if (e.db.open(DrawnRowStatement(table, where.sql, rank.sql), rank.params + where.params) ==
            0)
            return kNeverFound;
        return e.db.field("draw_rank").toLongLong();
    }

    // Runs a ranked statement, over the rows the copy names for the mixed-word first pass
    // and advanced data matching as asked; returns the number of the try that found the row,
    // -1 for none. A few rows of the lowest rank the copy gives are asked first, drawn at
    // random: when one of them has that rank, it is among the rows the whole statement would
    // draw from, and every such row had the same chance. Otherwise all rows named are asked.
    int findRanked(const Condition& rank, const Condition& where, bool mixedWords, bool adm) {
        const auto found =
            index ? index->candidates(pattern(), mixedWords, adm,
                                      [this](const CandidateRow& row) { return c.lowestRank(row); })
                  : std::nullopt;
        qint64 drawn = kNeverFound;
        if (!found) {
            drawn = drawRanked(rank, where, nullptr);
        } else if (!found->isEmpty()) {
            qint64 lowest;
            const QList<quint32> first = LowestRanked(*found, lowest);
            if (first.size() < found->size() || first.size() > kFirstAsked) {
                const QList<quint32> asked = DrawnKeys(first, kFirstAsked, *e.out.random);
                if (drawRanked(rank, where, &asked) == lowest) return TryOfRank(lowest);
            }
            QList<quint32> keys;
            for (const Candidate& candidate : *found)
                keys << candidate.key;
            drawn = drawRanked(rank, where, keys.size() <= kMostCandidates ? &keys : nullptr);
        }
        return drawn == kNeverFound ? -1 : TryOfRank(drawn);
    }

    // Whether advanced data matching may follow a first pass that found nothing; with `tell`,
    // the lines about public messages are written as the decision is taken.
    bool admAllowed(bool tell) {
        const Settings& s = e.state.settings;
        if (!s.enableAdvancedDataMatching) return false;
        if (r().TargetKind == TargetKind::Channel) {
            if (tell)
                ConsoleLine(e, s.allowAdmOnPublicMessages
                                   ? "A.I. > Notice! ADM is allowed on public messages."
                                   : "A.I. > ADM is not allowed on public messages.");
            if (!s.allowAdmOnPublicMessages) return false;
        }
        return !pattern().contains('%' + kContextMarker + '%');
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
        if (HasRegexSpecials(pattern())) {
            found = firstPassOneByOne(mwr);
        } else {
            Condition where;
            Condition rank = c.firstPassRanked(mwr, where);
            if (mwr && adm) {
                // Mixed words read the whole table anyway; reading it once more for ADM would
                // cost as much again, so ADM's rows are ranked after the first pass's.
                Condition admWhere;
                const Condition admRank = c.admRanked(admWhere);
                rank = Condition{"IF(", {}} + where + Condition{", ", {}} + rank +
                       Condition{", ", {}} + admRank + Condition{")", {}};
                where = Condition{"(", {}} + where + Condition{") OR ", {}} + admWhere;
                admAsked = true;
            }
            found = findRanked(rank, where, mwr, admAsked);
        }
        const bool firstHit = found >= 0 && found < kFirstPassTries;
        trace("A.I. > Analysing interface data with " + QString(mwrSetting() ? "MWR" : "STD") +
                  (contextPass ? " + CTXT" : "") + " (algorithm: A)",
              kFirstPass, firstHit ? found : kFirstPassTries - 1);
        if (firstHit) return kFirstPass[found].hitLine;
        if (!withAdm || !admAllowed(true)) return {};
        if (!admAsked) {
            Condition where;
            const Condition rank = c.admRanked(where);
            found = findRanked(rank, where, false, true);
        }
        const int reached = found < 0 ? int(std::size(kAdm)) - 1 : found - kFirstPassTries;
        trace("A.I. > Analysing interface data with ADM (algorithm: A)", kAdm, reached);
        if (found < 0) return {};
        byAdm = true;
        return kAdm[reached].hitLine;
    }
};

// Only the mixed-word first pass and advanced data matching read the whole table.
bool UsesCopies(const Settings& s) {
    return s.enableMixedWordRecognition || s.enableAdvancedDataMatching;
}

}  // namespace

void PrepareAnswerLookup(Engine& engine, InterfaceIndexes& indexes) {
    if (!UsesCopies(engine.state.settings)) return;
    for (const char* table : {"interface_s", "interface_q"})
        indexes.current(engine.db, table);
}

void LookupAnswer(Engine& engine, InterfaceIndexes& indexes) {
    Request& r = engine.state.request;
    const Settings& s = engine.state.settings;
    ConsoleLine(engine, "A.I. > Processing brain interface section..");
    if (!engine.state.settings.clearLogTextsBeforeEachNlp) ConsoleLine(engine, "");
    r.Answered = false;
    r.AdmMatch = false;
    r.DatabaseMatch = false;

    const QString table = InterfaceTable(r.InputCategory);
    Lookup lookup{engine, table,
                  LookupConditions{r, QuestionPattern(r.WorkPhrase), s.enableMixedWordRecognition},
                  UsesCopies(s) ? indexes.current(engine.db, table) : nullptr};
    const bool plain = !lookup.pattern().contains('%' + kContextMarker + '%');
    const qsizetype marker = lookup.pattern().indexOf(kContextMarker);

    bool byAdm = false;
    QString hit = lookup.pass(plain, false, true, byAdm);
    if (hit.isEmpty() && marker >= 0) {
        ConsoleLine(engine, "A.I. > Changing context matching rules..");
        lookup.c.pattern.truncate(marker);
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
