#include "letter_folding.h"

#include "engine/engine.h"
#include "engine/text_rules.h"

#include <span>

namespace {

constexpr int kPasses = 5;

// The letters whose runs are folded, in the order they are folded.
constexpr QStringView kFoldedLetters = u"QWERTYUIOPASDFGHJKLZXCVBNM";

// The phrase that stands for a message that only named the character.
constexpr QStringView kHighlighted = u"HIGHLIGHTED";

constexpr Replacement kLatvianPairs[] = {
    {u"EE", u"Ē"}, {u"UU", u"Ū"}, {u"II", u"Ī"}, {u"AA", u"Ā"}, {u"SH", u"Š"}, {u"GJ", u"Ģ"},
    {u"KJ", u"Ķ"}, {u"LJ", u"Ļ"}, {u"ZJ", u"Ž"}, {u"ZH", u"Ž"}, {u"CH", u"Č"}, {u"NJ", u"Ņ"},
};

constexpr Replacement kLatvianDoubles[] = {
    {u"ĒĒĒ", u"Ē"}, {u"ĒĒ", u"Ē"}, {u"ŪŪ", u"Ū"},  {u"ŪŪ", u"Ū"}, {u"ĪĪĪ", u"Ī"}, {u"ĪĪ", u"Ī"},
    {u"ĀĀĀ", u"Ā"}, {u"ĀĀ", u"Ā"}, {u"ŠŠŠ", u"Š"}, {u"ŠŠ", u"Š"}, {u"ĢĢĢ", u"Ģ"}, {u"ĢĢ", u"Ģ"},
    {u"ĶĶĶ", u"Ķ"}, {u"ĶĶ", u"Ķ"}, {u"ĻĻĻ", u"Ļ"}, {u"ĻĻ", u"Ļ"}, {u"ŽŽŽ", u"Ž"}, {u"ŽŽ", u"Ž"},
    {u"ČČČ", u"Č"}, {u"ČČ", u"Č"}, {u"ŅŅŅ", u"Ņ"}, {u"ŅŅ", u"Ņ"},
};

// The received text keeps its letter case: upper-case pairs first.
constexpr Replacement kReceivedUpperPairs[] = {
    {u"EEE", u"EE"}, {u"EE", u"Ē"},   {u"UUU", u"UU"}, {u"UU", u"Ū"},   {u"III", u"II"},
    {u"II", u"Ī"},   {u"AAA", u"AA"}, {u"AA", u"Ā"},   {u"SSS", u"SS"}, {u"SH", u"Š"},
    {u"GJ", u"Ģ"},   {u"KKK", u"KK"}, {u"KJ", u"Ķ"},   {u"LLL", u"LL"}, {u"LJ", u"Ļ"},
    {u"ZZZ", u"ZZ"}, {u"ZJ", u"Ž"},   {u"ZH", u"Ž"},   {u"CCC", u"CC"}, {u"CH", u"Č"},
    {u"NNN", u"NN"}, {u"NJ", u"Ņ"},
};

// Lower-case and mixed pairs; a lower-case "aa" stays as typed.
constexpr Replacement kReceivedMixedPairs[] = {
    {u"eee", u"ee"}, {u"ee", u"ē"}, {u"Ee", u"Ē"}, {u"eE", u"ē"},  //
    {u"uuu", u"uu"}, {u"uu", u"ū"}, {u"Uu", u"Ū"}, {u"uU", u"ū"},  //
    {u"iii", u"ii"}, {u"ii", u"ī"}, {u"Ii", u"Ī"}, {u"iI", u"ī"},  //
    {u"sss", u"ss"}, {u"sh", u"š"}, {u"Sh", u"Š"}, {u"sH", u"š"},  //
    {u"gj", u"ģ"},   {u"Gj", u"Ģ"}, {u"gJ", u"ģ"},                 //
    {u"kkk", u"kk"}, {u"kj", u"ķ"}, {u"Kj", u"Ķ"}, {u"kJ", u"ķ"},  //
    {u"lll", u"ll"}, {u"lj", u"ļ"}, {u"Lj", u"Ļ"}, {u"lJ", u"ļ"},  //
    {u"zzz", u"zz"}, {u"zj", u"ž"}, {u"Zj", u"Ž"}, {u"zJ", u"ž"},  //
    {u"zh", u"ž"},   {u"Zh", u"Ž"}, {u"zH", u"ž"},                 //
    {u"ccc", u"cc"}, {u"ch", u"č"}, {u"Ch", u"Č"}, {u"cH", u"č"},  //
    {u"nnn", u"nn"}, {u"nj", u"ņ"}, {u"Nj", u"Ņ"}, {u"nJ", u"ņ"},  //
};

void ApplyPasses(QString& text, std::span<const Replacement> list) {
    for (int pass = 0; pass < kPasses; ++pass)
        ApplyInOrder(text, list);
}

}  // namespace

void FoldLetterRuns(Engine& engine) {
    EngineState& s = engine.state;
    QString& phrase = s.request.WorkPhrase;
    for (int pass = 0; pass < kPasses; ++pass) {
        for (const QChar letter : kFoldedLetters) {
            // The "WWW" of a web address stays.
            if (letter == u'W' && s.request.HasLink) continue;
            const QString two(2, letter);
            ReplaceAll(phrase, QString(4, letter), two);
            ReplaceAll(phrase, QString(3, letter), two);
        }
    }
    SqueezeBlankRuns(phrase, 10);
    TrimBlanks(phrase);
    s.outcomes.HighlightAnswered = false;
    if (s.request.Highlighted && phrase.isEmpty()) phrase = kHighlighted.toString();
}

void LatvianTranslate(Engine& engine) {
    QString& phrase = engine.state.request.WorkPhrase;
    ApplyPasses(phrase, kLatvianPairs);
    ApplyPasses(phrase, kLatvianDoubles);
}

void FoldLatvianInput(Engine& engine) {
    QString& received = engine.state.request.OriginalPhrase;
    ApplyPasses(received, kReceivedUpperPairs);
    ApplyPasses(received, kReceivedMixedPairs);
}
