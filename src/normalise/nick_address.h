#pragma once

#include <QString>

class Engine;

// Whether `nick` stands in `message` as a word of its own: punctuation and the characters of
// nicks around it do not count, a longer word that holds it does («QIVOTX,» and «[QIVOTX]» do,
// nick «BOT» in «ROBOT» does not).
bool IsNickAddressed(const QString& message, const QString& nick);

// Cuts the character's own nick out of the phrase when the message addressed it by nick.
void StripOwnNick(Engine& engine);
