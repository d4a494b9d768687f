#include "system_commands.h"

#include "brain/phrase_markers.h"
#include "brain/query.h"
#include "brain/stored_patterns.h"
#include "engine/contains.h"
#include "engine/engine.h"
#include "engine/text_rules.h"
#include "output/system_parameters.h"

namespace {

bool MatchesStored(Engine& engine, const QString& table, const QString& column,
                   const QString& spelt) {
    Query& db = engine.db;
    return StoredPatternMayMatch(db, table, column, spelt) &&
           db.open("SELECT * FROM " + table + " WHERE ? RLIKE UPPER(" + column + ") LIMIT 1",
                   {spelt}) > 0;
}

}  // namespace

QString BracketsSpelled(const QString& text) {
    QString spelt = text.toUpper();
    ApplyInOrder(spelt, {{u"[", u"XX"}, {u"]", u"YY"}});
    return spelt;
}

bool MatchesSystemCommand(Engine& engine, const QString& spelt) {
    return MatchesStored(engine, QStringLiteral("system_commands"), QStringLiteral("command"),
                         spelt);
}

bool MatchesSystemParameter(Engine& engine, const QString& spelt) {
    return MatchesStored(engine, QStringLiteral("system_parameters"), QStringLiteral("parameter"),
                         spelt);
}

void ProtectSystemCommands(Engine& engine) {
    QString& phrase = engine.state.request.WorkPhrase;
    ReplaceAll(phrase, u" ", u"  ");
    phrase = ' ' + phrase + ' ';
    ApplyInOrder(phrase, {{u"=", u" = "},
                          {u"#", u" # "},
                          {u"##", u" ## "},
                          {u">>", u" >> "},
                          {u"<<", u" << "},
                          {u"<>", u" <> "}});
    // The padding matches the phrase with its brackets spelt as the patterns spell them.
    PadStoredPatterns(engine, phrase, QStringLiteral("system_commands"), QStringLiteral("command"));
    PadStoredPatterns(engine, phrase, QStringLiteral("system_parameters"),
                      QStringLiteral("parameter"));
}

bool IsProtectedPhrase(Engine& engine) {
    const QString& phrase = engine.state.request.WorkPhrase;
    for (const QString& mark : {kContextMarker, QStringLiteral("="), QStringLiteral("#")})
        if (Contains(phrase, mark)) return true;
    const QString spelt = BracketsSpelled(phrase);
    return MatchesSystemCommand(engine, spelt) || MatchesSystemParameter(engine, spelt);
}
