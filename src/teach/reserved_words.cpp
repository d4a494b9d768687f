#include "reserved_words.h"

#include "answer/system_commands.h"
#include "brain/phrase_markers.h"

bool QuestionIsReserved(Engine& engine, const QString& questionPattern) {
    if (questionPattern.contains(kContextMarker)) return false;
    const QString text = BracketsSpelled(questionPattern);
    return MatchesSystemCommand(engine, text) || MatchesSystemParameter(engine, text);
}

bool AnswerIsReserved(Engine& engine, const QString& answer) {
    QString content = answer;
    content.remove(' ').remove('#');
    if (content.isEmpty()) return true;
    return MatchesSystemCommand(engine, BracketsSpelled(answer));
}
