#pragma once

#include <QString>

class Engine;

// "Restrict Nicks In Teaching Data": whether the answer names a user online or the character.
bool AnswerNamesNick(Engine& engine, const QString& answer);
