#pragma once

#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

class Query;

// A taught brain shaped like real chat: questions and standard phrases of common words over both
// interface tables, with the categories, daytimes and personalities that teaching stores, short
// and multi-line answers, and a share of short multi-word patterns that advanced data matching
// finds inside longer phrases. The same seed always makes the same brain.
class TaughtBrain {
  public:
    explicit TaughtBrain(quint32 seed = 20261210) : random_(seed) {}

    // One taught row as the interface tables keep it.
    struct Row {
        QString table, question, answer, daytime, personality;
        QString phrase;  // what a user types to be given this row's answer
    };

    // Makes `count` more rows and stores them with a few large INSERT statements.
    void grow(Query& db, int count);
    const QList<Row>& rows() const { return rows_; }

    // Inputs of each kind, drawn from the rows stored so far.
    QString storedPhrase();    // the phrase of a stored question, as typed
    QString shuffledPhrase();  // a stored standard phrase with its words in another order
    QString admPhrase();       // a stored short pattern's words, in order, inside a longer phrase
    QString unknownPhrase();   // words that no stored question holds together
    QString words(int count);  // `count` random chat words

  private:
    Row makeRow();
    QString word();
    QString answer();

    QRandomGenerator random_;
    QList<Row> rows_;
    QList<qsizetype> standardRows_, admRows_;
};
