#include "lookup_conditions.h"

#include "brain/phrase_markers.h"
#include "brain/plain_text.h"
#include "engine/engine_state.h"

#include <algorithm>

Condition operator+(Condition a, const Condition& b) {
    a.sql += b.sql;
    a.params += b.params;
    return a;
}

namespace {

// A rank is the try's number times this step; within the ranks of a longest-first try, longer
// questions come first. The step is one more than the longest question a MEDIUMTEXT column
// holds, in bytes.
constexpr qint64 kLongestQuestion = 16777215;
constexpr qint64 kRankStep = kLongestQuestion + 1;
qint64 RankValue(int tryNumber) {
    return tryNumber * kRankStep;
}
QString Rank(int tryNumber) {
    return QString::number(RankValue(tryNumber));
}

// Whether the server could take a stored value for the asked one; only text with a collation
// key is told apart.
bool MayEqual(const QString& stored, const QString& asked) {
    const std::optional<QString> storedKey = CollationKey(stored), askedKey = CollationKey(asked);
    return !storedKey || !askedKey || *storedKey == *askedKey;
}

}  // namespace

bool HasRegexSpecials(const QString& text) {
    static const QString special = QStringLiteral("\\^$.|?*+()[]{}");
    return std::any_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); });
}

int TryOfRank(qint64 rank) {
    return int(rank / kRankStep);
}

Condition LookupConditions::lengthClause() const {
    return {" AND CHAR_LENGTH(question) = CHAR_LENGTH(?)", {pattern}};
}

Condition LookupConditions::match(bool mwr) const {
    if (!mwr) return {" AND question=?", {pattern.toUpper()}};
    Condition words;
    for (const QString& word : pattern.split('%', Qt::SkipEmptyParts)) {
        words.sql += " AND question RLIKE ?";
        words.params << word;
    }
    return words;
}

// Try E. Mixed-word recognition that does not apply (a contextual phrase) asks for the phrase
// itself.
Condition LookupConditions::simpleMatch(bool mwr) const {
    const QString upper = pattern.toUpper();
    const Condition head{mwrSetting && !mwr ? "question=?" : "question RLIKE ?", {upper}};
    return head + lengthClause() + (mwr ? match(true) : Condition{});
}

QList<Condition> LookupConditions::firstPassTries(bool mwr) const {
    const Condition M = lengthClause() + match(mwr);
    return {
        Condition{"category=? AND daylight_time=? AND personality=?",
                  {r.Category, r.Daytime, r.Personality}} +
            M,
        Condition{"category=? AND daylight_time=?", {r.Category, r.Daytime}} + M,
        Condition{"category=? AND personality=?", {r.Category, r.Personality}} + M,
        Condition{"category=?", {r.Category}} + M,
        simpleMatch(mwr),
    };
}

// A to D share the match and differ only in the category, daytime and personality they ask
// for, so a row found by the match with the category is ranked by which of these it has;
// without the category it can only be E's. Without mixed words the match is the phrase itself,
// which E (equal length and containment) asks for too: the index on the question then finds
// every candidate.
Condition LookupConditions::firstPassRanked(bool mwr, Condition& where) const {
    where = Condition{"CHAR_LENGTH(question) = CHAR_LENGTH(?)", {pattern}} + match(mwr);
    if (!(mwrSetting && !mwr)) {
        // E's own condition beyond the shared ones; contextual E asks for nothing more.
        where = where +
                Condition{" AND (category=? OR question RLIKE ?)", {r.Category, pattern.toUpper()}};
    }
    return {"CASE WHEN category=? AND daylight_time=? AND personality=? THEN " + Rank(0) +
                " WHEN category=? AND daylight_time=? THEN " + Rank(1) +
                " WHEN category=? AND personality=? THEN " + Rank(2) + " WHEN category=? THEN " +
                Rank(3) + " ELSE " + Rank(4) + " END",
            {r.Category, r.Daytime, r.Personality, r.Category, r.Daytime, r.Category, r.Personality,
             r.Category}};
}

qint64 LookupConditions::lowestRank(const CandidateRow& row) const {
    const auto may = [&row](QString RankingColumns::*column, const QString& asked) {
        return !row.columns || MayEqual(row.columns->*column, asked);
    };
    const bool category = may(&RankingColumns::category, r.Category);
    switch (row.match) {
        case CandidateRow::Match::FirstPass: {
            if (!category) return row.mayEqualPhrase ? RankValue(4) : kNeverFound;
            const bool daytime = may(&RankingColumns::daytime, r.Daytime);
            const bool personality = may(&RankingColumns::personality, r.Personality);
            return daytime && personality ? RankValue(0)
                   : daytime              ? RankValue(1)
                   : personality          ? RankValue(2)
                                          : RankValue(3);
        }
        case CandidateRow::Match::StoredAsPattern:
            return RankValue(kFirstPassTries + (category ? 0 : 1)) + kLongestQuestion -
                   row.questionBytes;
        case CandidateRow::Match::PhraseAsPattern:
            return RankValue(kFirstPassTries + (category ? 2 : 3));
    }
    return kNeverFound;
}

// A and B: a stored question of two words at least; C and D: a phrase of two words at least,
// over non-contextual stored questions. A and C ask for the category as well.
Condition LookupConditions::admRanked(Condition& where) const {
    const QString& C = r.Category;
    const Condition storedAsPattern{
        "? LIKE question COLLATE utf8mb4_bin AND "
        "LENGTH(question) - LENGTH(REPLACE(question, '%', '')) > 2",
        {pattern}};
    const Condition phraseAsPattern{"question COLLATE utf8mb4_bin LIKE ? AND question NOT RLIKE '" +
                                        kContextMarker + "' AND question NOT RLIKE '" +
                                        kEarlierQuestionMarker +
                                        "' AND LENGTH(?) - LENGTH(REPLACE(?, '%', '')) > 2",
                                    {pattern, pattern, pattern}};
    where = Condition{"(", {}} + storedAsPattern + Condition{") OR (", {}} + phraseAsPattern +
            Condition{")", {}};
    const int tries = kFirstPassTries;
    return Condition{"CASE WHEN ", {}} + storedAsPattern +
           Condition{" THEN IF(category=?, " + Rank(tries) + ", " + Rank(tries + 1) + ") + " +
                         QString::number(kLongestQuestion) +
                         " - LENGTH(question) ELSE IF(category=?, " + Rank(tries + 2) + ", " +
                         Rank(tries + 3) + ") END",
                     {C, C}};
}
