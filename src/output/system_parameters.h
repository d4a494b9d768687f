#pragma once

#include <QString>

class Engine;

// System commands and parameters are stored as regular-expression patterns in which "[" is spelt
// "XX" and "]" "YY". These operations keep them apart from the words around them, so that
// whole-word rewriting never cuts into them.

// Puts a blank on each side of every occurrence (ignoring case) of each stored pattern of `table`
// (its column `column`) that the text matches, asking the brain again after each one. The text is
// matched with its brackets spelt as the patterns spell them; afterwards only those spellings
// become brackets again, so letters of the text that read "XX" or "YY" stay letters. A padded
// pattern would still match, so each question is asked about the text without the patterns
// already handled; the asking ends when nothing matches, when a pattern does not occur literally,
// or after as many rounds as the table has rows.
void PadStoredPatterns(Engine& engine, QString& text, const QString& table, const QString& column);

// The text framed for whole-word replacement: every blank doubled, one blank at each end, and
// every system parameter found in it standing apart.
QString PadSystemParameters(Engine& engine, const QString& text);
