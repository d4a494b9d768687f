#include "system_commands.h"

#include "brain/phrase_markers.h"
#include "brain/query.h"
#include "brain/system_patterns.h"
#include "engine/contains.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

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
    PadStoredPatterns(engine.db, phrase, QStringLiteral("system_commands"),
                      QStringLiteral("command"));
    PadStoredPatterns(engine.db, phrase, QStringLiteral("system_parameters"),
                      QStringLiteral("parameter"));
}

bool IsProtectedPhrase(Engine& engine) {
    const QString& phrase = engine.state.request.WorkPhrase;
    for (const QString& mark : {kContextMarker, QStringLiteral("="), QStringLiteral("#")})
        if (Contains(phrase, mark)) return true;
    const QString spelt = BracketsSpelled(phrase);
    return MatchesSystemCommand(engine.db, spelt) || MatchesSystemParameter(engine.db, spelt);
}
