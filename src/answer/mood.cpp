#include "mood.h"

#include "brain/personality.h"
#include "brain/query.h"
#include "brain/stored_patterns.h"
#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"

#include <algorithm>

namespace {

constexpr int kLowestScore = -15;
constexpr int kHighestScore = 15;
// More positive definitions than negative ones by this much would make every user good.
constexpr int kMostPositiveSurplus = 3;

// -1, 0 or +1: which kind of words the phrase holds more of. Both counts stay 0 while the lists
// are not balanced.
int PhraseCondition(Engine& engine) {
    Query& db = engine.db;
    const Request& r = engine.state.request;
    const qint64 positives = db.catalogue().rowCount("words_positive");
    const qint64 negatives = db.catalogue().rowCount("words_negative");
    DetailLine(engine, "A.I. > Positive definitions in database: " + QString::number(positives));
    DetailLine(engine, "A.I. > Negative definitions in database: " + QString::number(negatives));
    int positive = 0, negative = 0;
    if (positives - negatives > kMostPositiveSurplus) {
        ConsoleLine(engine, "A.I. > Positive and negative definitions not balanced.");
        TrainingNotice(engine, "positive and negative definitions (" + QString::number(positives) +
                                   "/" + QString::number(negatives) + ") not balanced.");
    } else {
        positive = CountWordListMatches(db, "words_positive", "positive", r.WorkPhrase);
        negative = CountWordListMatches(db, "words_negative", "negative", r.WorkPhrase);
    }
    const QString lead = "A.I. > Users " + r.UserNick + " phrase condition: ";
    if (positive == negative) {
        ConsoleLine(engine, lead + "Neytral");
        return 0;
    }
    ConsoleLine(engine, lead + (positive > negative ? "Positive" : "Negative"));
    return positive > negative ? 1 : -1;
}

}  // namespace

int CountWordListMatches(Query& db, const QString& table, const QString& column, QString phrase) {
    const QString sql =
        QStringLiteral("SELECT * FROM %1 WHERE ? RLIKE %2 LIMIT 1").arg(table, column);
    // A stored pattern may match text that is not its own (a regular expression, or one that
    // matches everything): it counts once and ends the search, since taking it out of the phrase
    // changes nothing. Every other match takes at least a word away, so the words of the phrase
    // bound the search as well.
    const qsizetype words = phrase.split(' ', Qt::SkipEmptyParts).size();
    int count = 0;
    while (count < words && StoredPatternMayMatch(db, table, column, phrase) &&
           db.open(sql, {phrase}) > 0) {
        ++count;
        const QString word = db.field(column).toUpper();
        const qsizetype at = word.isEmpty() ? -1 : phrase.indexOf(word);
        if (at < 0) break;
        phrase.remove(at, word.size());
    }
    return count;
}

void JudgeMood(Engine& engine) {
    Request& r = engine.state.request;
    Query& db = engine.db;
    ConsoleLine(engine, "A.I. > Calculating users " + r.UserNick + " phrase condition..");
    const int condition = PhraseCondition(engine);

    ConsoleLine(engine, "A.I. > Calculating users " + r.UserNick + " personality..");
    int score = 0;
    if (db.open("SELECT * FROM users_personality WHERE user=? LIMIT 1", {r.UserKey}) == 0) {
        // A new user starts in the middle; his first phrase does not move him yet.
        db.execute("INSERT INTO users_personality (`user`, `injan`) VALUES (?, ?)",
                   {r.UserKey, "0"});
    } else {
        score = std::clamp(ReadCounter(engine, "injan") + condition, kLowestScore, kHighestScore);
        // A row that already holds what would be written is left alone: the write would store
        // nothing new and still cost the server a log sync.
        const QVariantList row = {db.field("index"), r.UserKey, QString::number(score)};
        if (db.field("user") != r.UserKey || db.field("injan") != row[2].toString())
            db.execute("REPLACE users_personality (`index`, `user`, `injan`) VALUES (?, ?, ?)",
                       row);
    }
    r.Personality = PersonalityName(score);
    ConsoleLine(engine, "A.I. > Users " + r.UserNick + " personality: " + r.Personality);
}
