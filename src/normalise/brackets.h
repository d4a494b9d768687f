#pragma once

#include <QString>

// Moves blanks from inside brackets to outside them, ten passes; empty brackets vanish.
void SpaceBrackets(QString& phrase);

// Closes up bracket commands («[ POSITIVE ]» becomes «[POSITIVE]»): blanks and apostrophes
// inside a pair of brackets go; a "]" without "[" and a "[" without "]" become blanks.
void CloseUpBrackets(QString& phrase);
