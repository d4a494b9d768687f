#include "reserved_words.h"

#include "brain/phrase_markers.h"
#include "brain/system_patterns.h"
#include "engine/engine.h"

bool QuestionIsReserved(Engine& engine, const QString& questionPattern) {
    if (questionPattern.contains(kContextMarker)) return false;
    const QString text = BracketsSpelled(questionPattern);
    return MatchesSystemCommand(engine.db, text) || MatchesSystemParameter(engine.db, text);
}

bool AnswerIsReserved(Engine& engine, const QString& answer) {
    QString content = answer;
    content.remove(' ').remove('#');
    if (content.isEmpty()) return true;
    return MatchesSystemCommand(engine.db, BracketsSpelled(answer));
}
