#include "exchange_items.h"

#include "engine/text_rules.h"

#include <QHash>

const QList<ExchangeItem>& ExchangeItems() {
    static const QList<ExchangeItem> items = {
        {"Question Responses", {"interface_q"}, "question responses"},
        {"Standard Responses", {"interface_s"}, "standard responses"},
        {"Context Keywords", {"words_context"}, "context keywords"},
        {"Word Synonyms", {"words_relationship"}, "word synonyms"},
        {"Word Corrections", {"words_correction"}, "word corrections"},
        {"Command Synonyms", {"words_cmd_syn"}, "command synonyms"},
        {"Positives", {"words_positive"}, "positives"},
        {"Negatives", {"words_negative"}, "negatives"},
        {"Case Sensitive Words", {"words_cs", "words_css"}, "case sensitive words"},
        {"Event System Msg.", {"system_messages"}, "event system messages"},
    };
    return items;
}

const ExchangeItem* FindExchangeItem(const QString& caption) {
    for (const ExchangeItem& item : ExchangeItems())
        if (item.caption.compare(caption.trimmed(), Qt::CaseInsensitive) == 0) return &item;
    return nullptr;
}

const QStringList& ExchangeColumns(const QString& table) {
    static const QStringList responses = {"index",    "personality",  "daylight_time",
                                          "category", "question",     "answer",
                                          "owner",    "date_learned", "time_learned"};
    static const QStringList pairs = {"indefinite", "definite", "date_learned", "time_learned",
                                      "owner"};
    static const QHash<QString, QStringList> columns = {
        {"interface_q", responses},
        {"interface_s", responses},
        {"system_messages", {"index", "event_name", "event_description", "event_message"}},
        {"words_context", {"context_words", "date_learned", "time_learned", "owner"}},
        {"words_cmd_syn", pairs},
        {"words_relationship", pairs},
        {"words_correction", pairs},
        {"words_positive", {"positive", "date_learned", "time_learned", "owner"}},
        {"words_negative", {"negative", "date_learned", "time_learned", "owner"}},
        {"words_cs", {"word", "owner", "date_learned", "time_learned"}},
        {"words_css", {"words", "owner", "date_learned", "time_learned"}},
    };
    static const QStringList none;
    const auto found = columns.constFind(table);
    return found == columns.cend() ? none : *found;
}

const QStringList& PlaceholderDeletes() {
    static const QStringList statements = {
        "DELETE FROM interface_q WHERE question=? AND answer=?",
        "DELETE FROM interface_s WHERE question=? AND answer=?",
        "DELETE FROM system_messages WHERE event_name=? AND event_message=?",
        "DELETE FROM words_cmd_syn WHERE indefinite=? AND definite=?",
        "DELETE FROM words_context WHERE context_words=?",
        "DELETE FROM words_correction WHERE indefinite=? AND definite=?",
        "DELETE FROM words_cs WHERE word=?",
        "DELETE FROM words_css WHERE words=?",
        "DELETE FROM words_negative WHERE negative=?",
        "DELETE FROM words_positive WHERE positive=?",
        "DELETE FROM words_relationship WHERE indefinite=? AND definite=?",
    };
    return statements;
}

QString AutomaticDescription(const QList<const ExchangeItem*>& items) {
    QStringList words;
    for (const ExchangeItem* item : items)
        words << item->description;
    return "Contains: \"" + words.join(", ") + "\".";
}

QString CleanDataFileName(const QString& typed) {
    QString name = typed;
    SqueezeBlankRuns(name, 1);
    for (const QChar bad : QStringLiteral("|/\\:*\""))
        name.replace(bad, ' ');
    if (name == " ") return {};
    name.replace(' ', '_');
    if (name.isEmpty() || name.size() > 25) return {};
    // A line break or another control character has no place in a file name.
    for (const QChar c : std::as_const(name))
        if (c.category() == QChar::Other_Control) return {};
    return name;
}
