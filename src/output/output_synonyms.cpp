#include "output_synonyms.h"

#include "brain/query.h"
#include "brain/stored_patterns.h"
#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/text_rules.h"
#include "system_parameters.h"

namespace {

bool IsReservedWord(Query& db, QString word) {
    ApplyInOrder(word, {{u"[", u"XX"}, {u"]", u"YY"}});
    return (StoredWordMayEqual(db, "system_commands", "command", word) &&
            db.open("SELECT * FROM system_commands WHERE ?=command LIMIT 1", {word}) > 0) ||
           (StoredWordMayEqual(db, "system_parameters", "parameter", word) &&
            db.open("SELECT * FROM system_parameters WHERE ?=parameter LIMIT 1", {word}) > 0);
}

bool EndsWord(const QString& text, qsizetype at) {
    static const QString ends = QStringLiteral(" .,!?:;");
    return at >= text.size() || ends.contains(text.at(at));
}

// Replaces the first occurrence of `word` that stands as a whole word, so that a short word
// never cuts into a longer one ("HI" inside "THIS").
void ReplaceFirstWord(QString& text, const QString& word, const QString& by) {
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
        const bool starts = at == 0 || text.at(at - 1) == ' ';
        if (starts && EndsWord(text, at + word.size())) {
            text.replace(at, word.size(), by);
            return;
        }
    }
}

}  // namespace

QString ReplaceSynonymsInOutput(Engine& engine, QString line) {
    if (!engine.state.settings.replaceSynonymsInOutput) return line;
    if (engine.out.random->bounded(2) != 0) return line;
    Query& db = engine.db;
    QString work = line + ' ';
    ApplyInOrder(work, {{u".", u" ."}, {u"!", u" !"}, {u"?", u" ?"}});
    const QStringList words = work.split(' ', Qt::SkipEmptyParts);
    for (const QString& word : words) {
        if (IsReservedWord(db, word)) continue;
        if (db.open("SELECT * FROM words_relationship WHERE ?=definite ORDER BY RAND() LIMIT 1",
                    {word}) == 0)
            continue;
        const QString synonym = db.field("indefinite").toUpper();
        const QString definite = db.field("definite").toUpper();
        if (line.contains(' ')) {
            ReplaceFirstWord(line, definite, synonym);
        } else {
            line = PadSystemParameters(engine, line);
            ReplaceFirst(line, QString(' ' + definite + ' '), QString(' ' + synonym + ' '));
        }
        DetailLine(engine,
                   "A.I. > Replaced output word: " + definite + " with synonym: " + synonym);
    }
    SqueezeBlankRuns(line, 10);
    TrimBlanks(line);
    return line;
}
