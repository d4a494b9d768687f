#pragma once

#include <QString>

#include <optional>

class Engine;

// What a definition «left=right» is; the kind decides the table it is kept in.
enum class SynonymKind { Phrase, Command, Word, Correction };

// words_relationship, words_cmd_syn or words_correction.
QString SynonymTable(SynonymKind kind);
// "#", "##", "=", "<>", ">>" or "<<".
bool IsCommandMarker(const QString& text);
// How far apart two words may be to count as a misspelling, by the length of the word meant.
int CorrectionThreshold(qsizetype length);

struct SynonymSides {
    QString left, right;
};

// Decides the kind of the definition whose corrected sides are given, comparing single words as
// the user typed them (the sides split from PhraseBeforeCorrection at `marker`, "=" or "<>").
// For a word correction the right side becomes the one typed. Nothing when the typed sides
// cannot make a definition: one of them is empty or, when teaching, they are equal or the right
// side is reserved.
std::optional<SynonymKind> ClassifySynonym(Engine& engine, const QString& marker, bool teaching,
                                           SynonymSides& sides);
