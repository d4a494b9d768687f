#include "reserved_words.h"

#include "brain/query.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

namespace {

// The stored commands and parameters spell brackets as "XX" and "YY".
QString BracketsSpelled(const QString& text) {
    QString spelled = text.toUpper();
    ApplyInOrder(spelled, {{u"[", u"XX"}, {u"]", u"YY"}});
    return spelled;
}

bool MatchesStored(Engine& engine, const QString& table, const QString& column,
                   const QString& text) {
    return engine.db.open("SELECT * FROM " + table + " WHERE ? RLIKE UPPER(" + column + ") LIMIT 1",
                          {text}) > 0;
}

}  // namespace

bool QuestionIsReserved(Engine& engine, const QString& questionPattern) {
    if (questionPattern.contains(QLatin1String("0Y1Z0X1Y"))) return false;
    const QString text = BracketsSpelled(questionPattern);
    return MatchesStored(engine, "system_commands", "command", text) ||
           MatchesStored(engine, "system_parameters", "parameter", text);
}

bool AnswerIsReserved(Engine& engine, const QString& answer) {
    QString content = answer;
    content.remove(' ').remove('#');
    if (content.isEmpty()) return true;
    return MatchesStored(engine, "system_commands", "command", BracketsSpelled(answer));
}
