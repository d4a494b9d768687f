#pragma once

#include <QString>

// While a phrase is being normalised, punctuation that carries meaning and the teaching symbols
// stand as lower-case words. The phrase is upper case then, so user text never collides with
// them.

inline constexpr QStringView kCommaMark = u"ccoommaammaarrkk";
inline constexpr QStringView kExclamationMark = u"exxclamattionmmark";
inline constexpr QStringView kQuestionMark = u"quuesttionmmarkk";
inline constexpr QStringView kResponseTeaching = u"phraseteachingcmd";  // "#"
inline constexpr QStringView kResponseExtend = u"secondteachingcmd";    // "##"
inline constexpr QStringView kSynonymTeaching = u"smeangteachingcmd";   // "="
inline constexpr QStringView kSynonymErasing = u"smeangerasingcmd";     // "<>"
inline constexpr QStringView kContextTeaching = u"contexteachingcmd";   // ">>"
inline constexpr QStringView kContextErasing = u"contexterasingcmd";    // "<<"

// "," becomes a comma mark standing as a word of its own.
void MarkCommas(QString& phrase);
// Every "!" becomes a blank and one exclamation mark goes to the end.
void MarkExclamations(QString& phrase);
// Every "?" becomes a question mark.
void MarkQuestions(QString& phrase);
// The first "##" (or, without one, the first "#") becomes its token; every other "#" a blank.
void MarkHashes(QString& phrase);
// "=", "<>", ">>" and "<<" lose the blanks around them and become their tokens: every "=",
// the first three "<>", the first ">>" and the first "<<".
void MarkCommandSymbols(QString& phrase);
// A blank on both sides of every mark and token.
void PadMarks(QString& phrase);
// The marks and tokens back into the symbols they stand for.
void RestoreMarks(QString& phrase);
