#pragma once

#include <QString>

class Engine;

// Whether a question pattern would collide with a system command or parameter, so that teaching
// it would take the command's place. A contextual question never collides.
bool QuestionIsReserved(Engine& engine, const QString& questionPattern);
// Whether an answer would collide with a system command, or has nothing to say: empty, only
// blanks, or only the line separator "#".
bool AnswerIsReserved(Engine& engine, const QString& answer);
