#include "bad_words.h"

#include "brain/query.h"
#include "brain/value_list.h"
#include "clean_symbols.h"
#include "engine/engine.h"

#include <QRegularExpression>

bool HoldsBadWord(Engine& e, const QString& phrase) {
    const QStringList words = CleanSymbols(phrase.toUpper() + ' ').split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) return false;
    QVariantList params;
    for (const QString& word : words)
        params << word;
    const QString marks = PaddedValueMarks(params);
    return e.db.open("SELECT * FROM words_bc WHERE UPPER(bc) IN (" + marks + ") LIMIT 1", params) >
           0;
}

bool IsBadNick(Engine& e, const QString& nick) {
    const QString cleaned = CleanSymbols(nick.toUpper());
    Query& db = e.db;
    for (db.open("SELECT bc FROM words_bc"); !db.eof(); db.next()) {
        const QString pattern = db.field("bc").toUpper();
        if (pattern.isEmpty()) continue;
        const QRegularExpression bad(pattern, QRegularExpression::CaseInsensitiveOption);
        if (bad.isValid() && bad.match(cleaned).hasMatch()) return true;
    }
    return false;
}
