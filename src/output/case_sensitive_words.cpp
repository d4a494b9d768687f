#include "case_sensitive_words.h"

#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

namespace {

// Taught words are stored framed by blanks; a blank in front of the line and before every
// punctuation mark lets a word at the start or before a mark match too.
QString Spaced(const QString& line) {
    QString spaced = ' ' + line;
    ApplyInOrder(spaced, {{u".", u" ."}, {u",", u" ,"}, {u"!", u" !"}, {u"?", u" ?"}});
    return spaced;
}

QString Unspaced(QString spaced) {
    spaced.remove(0, 1);
    ApplyInOrder(spaced, {{u" .", u"."}, {u" ,", u","}, {u" !", u"!"}, {u" ?", u"?"}});
    return spaced;
}

// Every occurrence ignoring case, also where two occurrences share the blank between them.
void ReplaceEveryFramed(QString& text, const QString& framed, const QString& by) {
    for (qsizetype at = text.indexOf(framed, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(framed, at + qMax<qsizetype>(1, by.size() - 1), Qt::CaseInsensitive))
        text.replace(at, framed.size(), by);
}

// Asks the brain for one stored form after another while the work copy still matches one.
// Each found form is cut out of the work copy; a pattern that matches without occurring
// literally would come back for ever, so the asking also ends when the copy stays the same or
// after as many rounds as the table has `rows`.
enum class CutFromWork { First, Every };

template <typename Apply>
void RestoreFromTable(Engine& engine, QString& line, const QString& table, qint64 rows,
                      const QString& column, CutFromWork cut, Apply apply) {
    Query& db = engine.db;
    const QString find =
        QStringLiteral("SELECT * FROM %1 WHERE ? RLIKE UPPER(%2) LIMIT 1").arg(table, column);
    QString work = Spaced(line.toUpper());
    for (qint64 round = 0; round < rows; ++round) {
        if (db.open(find, {work}) == 0) return;
        const QString stored = db.field(column);
        if (stored.trimmed().isEmpty()) return;
        QString spaced = Spaced(line);
        apply(spaced, stored);
        line = Unspaced(spaced);
        const QString before = work;
        if (cut == CutFromWork::Every) {
            work.remove(stored, Qt::CaseInsensitive);
        } else {
            const qsizetype at = work.indexOf(stored, 0, Qt::CaseInsensitive);
            if (at >= 0) work.remove(at, stored.size());
        }
        if (work == before) return;
    }
}

}  // namespace

void RestoreCaseSensitiveWords(Engine& engine, QString& line) {
    DetailLine(engine, "A.I. > Looking for case sensitive word(s).");
    Catalogue& catalogue = engine.db.catalogue();
    const qint64 groups = catalogue.rowCount("words_css");
    const qint64 words = catalogue.rowCount("words_cs");
    RestoreFromTable(engine, line, "words_css", groups, "words", CutFromWork::First,
                     [&](QString& spaced, const QString& group) {
                         const qsizetype at = spaced.indexOf(group, 0, Qt::CaseInsensitive);
                         if (at >= 0) spaced.replace(at, group.size(), group);
                         ConsoleLine(engine, "A.I. > Found and replaced case sensitive sentence: " +
                                                 group.trimmed());
                     });
    RestoreFromTable(
        engine, line, "words_cs", words, "word", CutFromWork::Every,
        [&](QString& spaced, const QString& word) {
            ReplaceEveryFramed(spaced, word, word);
            ConsoleLine(engine, "A.I. > Found and replaced case sensitive word: " + word.trimmed());
        });
}
