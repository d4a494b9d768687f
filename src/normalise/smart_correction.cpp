#include "smart_correction.h"

#include "brackets.h"
#include "letter_folding.h"
#include "phrase_marks.h"

#include "engine/console_log.h"
#include "engine/contains.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

namespace {

// Step 1.5: the response-teaching tokens lead the phrase, in this order of checking.
constexpr QStringView kLeadingTokens[] = {kResponseExtend, kResponseTeaching};

// Step 2.
constexpr QStringView kEmoticons[] = {
    u" ;) ",   u" :) ",   u" :D ",  u" ;D ",  u" :P ",  u" ;P ",  u" [OO] ", u" [00] ",
    u" [0O] ", u" [O0] ", u" OO ",  u" O0 ",  u" 0O ",  u" O-O ", u" 0-O ",  u" O-0 ",
    u" 0-0 ",  u" O_O ",  u" O_0 ", u" 0_O ", u" 0_0 ", u" X-O ", u" O-X ",  u" X-X ",
};

// Steps 4.1, 9.1 and 16.
constexpr QStringView kApostrophes[] = {u" ' ", u" '", u"' ", u"'''", u"''"};

// Step 4.2.
constexpr QStringView kSlashes[] = {u" / ", u" /", u"/ "};
constexpr QStringView kSlashRuns[] = {u"////", u"///"};
constexpr QStringView kSlashPairs[] = {
    u" /\\ ", u"/\\", u"/\\ ", u" /\\", u" \\/ ", u"\\/", u"\\/ ", u" \\/",
};

// Step 4.3.
constexpr QStringView kColons[] = {u" : ", u" :", u": ", u":::", u"::"};

// Step 4.4.
constexpr QStringView kFirstPunctuation[] = {
    u"~", u"`", u"!",  u"@", u"#", u"$", u"%",  u"^", u"*", u"(", u")",
    u"+", u"|", u"\\", u"{", u"}", u";", u"\"", u",", u"<", u">", u"?",
};

// Step 9.2: the marks and tokens are words by now, so the symbols they stand for are safe.
constexpr QStringView kSecondPunctuation[] = {
    u"°",  u"~", u"`", u"!", u"@", u"#", u"$", u"&",  u"%", u"^", u"*", u"(", u")", u"+", u"|",
    u"\\", u"/", u"_", u"-", u"{", u"}", u";", u"\"", u",", u"<", u">", u"?", u"=", u".",
};

// Step 9.3.
constexpr QStringView kLooseColons[] = {u" :", u" : "};

// Step 9.6.
constexpr Replacement kPunctuationJoined[] = {
    {u", ,", u", "}, {u" , ", u", "}, {u" ,", u", "}, {u" .", u"."},  {u" !", u"!"},
    {u" ?", u"?"},   {u"!?", u"?"},   {u"?!", u"?"},  {u"???", u"?"}, {u"??", u"?"},
};

// Step 12.
constexpr QStringView kAroundLink[] = {u".", u"/", u":"};

// Step 13.
constexpr QStringView kSlashCharacters[] = {u"\\", u"/"};

// Step 14: what is left at the end of "8)", ":D", ":P", ":O" and the like.
constexpr int kSmileyTailPasses = 15;
constexpr QStringView kSmileyTails[] = {
    u" 1", u" 2", u" 3", u" 4", u" 5", u" 6", u" 7", u" 8", u" 9", u" 0", u" O", u" D", u" P",
};

// Step 16.
constexpr Replacement kSentenceEnds[] = {
    {u" .", u"."},   {u" !", u"!"},  {u" ?", u"?"},   {u" D.", u"."},  {u" P.", u"."},
    {u" O.", u"."},  {u" 0.", u"."}, {u" DD.", u"."}, {u" PP.", u"."}, {u" D!", u"!"},
    {u" P!", u"!"},  {u" O!", u"!"}, {u" 0!", u"!"},  {u" DD!", u"!"}, {u" PP!", u"!"},
    {u" D?", u"?"},  {u" P?", u"?"}, {u" O?", u"?"},  {u" 0?", u"?"},  {u" DD?", u"?"},
    {u" PP?", u"?"},
};

// Step 17.
constexpr int kLaughTailPasses = 5;
constexpr QStringView kLaughTails[] = {u" DD", u" PP"};

// Step 18: phrases that say nothing.
constexpr QStringView kMeaningless[] = {
    u"DD", u"PP", u".",   u",",   u"!",   u"?",   u"#",  u"##", u">>", u"<<",
    u"=",  u"<>", u"O 0", u"0 O", u"O O", u"0 0", u"O0", u"0O", u"OO", u" ",
};

// Step 19.
constexpr QStringView kSentencePunctuation[] = {u".", u"!", u"?"};

// Step 20.
constexpr Replacement kTeachingJoined[] = {{u"## ", u"##"}, {u"# ", u"#"}};

// Step 1: the marks and tokens of tokenising once more; the response-teaching token leads.
void MarkSymbols(QString& p) {
    MarkCommas(p);
    MarkExclamations(p);
    MarkQuestions(p);
    MarkHashes(p);
    for (const QStringView token : kLeadingTokens) {
        if (!Contains(p, token.toString())) continue;
        ReplaceAll(p, token, u" ");
        p.prepend(token);
    }
    MarkCommandSymbols(p);
}

// Step 4.
void TidyPunctuation(QString& p) {
    ReplaceEach(p, kApostrophes, u"'");
    ReplaceEach(p, kSlashes, u"/");
    ReplaceEach(p, kSlashRuns, u"//");
    ReplaceEach(p, kSlashPairs, u"/");
    ReplaceEach(p, kColons, u":");
    ReplaceEach(p, kFirstPunctuation, u" ");
}

// Step 5: all question marks become one, at the end.
void OneQuestionMark(QString& p) {
    if (Contains(p, kQuestionMark.toString())) {
        ReplaceAll(p, kQuestionMark, u" ");
        p += kQuestionMark;
    }
    SqueezeBlanks(p, 1);
}

// Step 9, on P and on U.
void DropPunctuation(QString& t, bool hasLink) {
    ReplaceEach(t, kApostrophes, u"'");
    ReplaceEach(t, kSecondPunctuation, u" ");
    if (!hasLink) ReplaceAll(t, u":", u" ");
    ReplaceEach(t, kLooseColons, u" ");
    SqueezeBlankRuns(t, 5);
    SpaceBrackets(t);
    SqueezeBlankRuns(t, 5);
    RestoreMarks(t);
    ApplyInOrder(t, kPunctuationJoined);
    SqueezeBlankRuns(t, 5);
    TrimBlanks(t);
}

// Step 12: the link goes back where its prefix stands, with nothing of it changed.
void PutLinkBack(QString& t, const QString& prefix, const QString& replacement,
                 const QString& link) {
    ReplaceFirst(t, prefix, replacement);
    const qsizetype at = t.indexOf(link, 0, Qt::CaseInsensitive);
    if (at < 0) return;
    QString front = t.left(at);
    QString behind = t.mid(at + link.size());
    ReplaceEach(front, kAroundLink, u" ");
    ReplaceEach(behind, kAroundLink, u" ");
    t = front + link + behind;
    SqueezeBlankRuns(t, 10);
}

// Step 14.
void DropSmileyTails(QString& t) {
    for (int pass = 0; pass < kSmileyTailPasses; ++pass) {
        for (const QStringView tail : kSmileyTails) {
            if (!t.endsWith(tail)) continue;
            t.chop(tail.size());
            break;
        }
    }
}

// Step 17.
void DropLaughTails(QString& t) {
    for (int pass = 0; pass < kLaughTailPasses; ++pass) {
        for (const QStringView tail : kLaughTails) {
            if (!t.endsWith(tail)) continue;
            t.chop(tail.size());
            break;
        }
    }
}

bool SaysNothing(const QString& p) {
    for (const QStringView meaningless : kMeaningless)
        if (p == meaningless) return true;
    return false;
}

}  // namespace

void SmartInputCorrection(Engine& engine) {
    EngineState& s = engine.state;
    Request& r = s.request;
    QString& p = r.WorkPhrase;
    QString& u = r.PhraseBeforeCorrection;
    const bool hasLink = r.HasLink;

    MarkSymbols(p);                        // 1
    ReplaceEach(p, kEmoticons, u" ");      // 2
    SpaceBrackets(p);                      // 3
    SqueezeBlankRuns(p, 3);                //
    TidyPunctuation(p);                    // 4
    OneQuestionMark(p);                    // 5
    u = p;                                 // 6
    FoldLetterRuns(engine);                // 7
    for (QString* t : {&p, &u}) {          //
        SqueezeBlankRuns(*t, 3);           //
        TrimBlanks(*t);                    //
    }                                      //
    if (s.settings.latvianLanguageMode) {  // 8
        ConsoleLine(engine, "A.I. > Processing Latvian translate..");
        LatvianTranslate(engine);
        ConsoleLine(engine, "A.I. > Finished Latvian translate.");
    }
    for (QString* t : {&p, &u})  // 9
        DropPunctuation(*t, hasLink);
    const bool teaching = p.startsWith(u'#');
    if (!teaching)  // 10
        for (QString* t : {&p, &u})
            ReplaceAll(*t, u",", u" ");
    for (QString* t : {&p, &u})  // 11
        CloseUpBrackets(*t);
    if (hasLink) {  // 12
        const QString link = r.LinkText.toUpper();
        const QString prefix = r.LinkPrefix.toUpper();
        PutLinkBack(p, prefix, link + u' ', link);
        PutLinkBack(u, prefix, link, link);
    } else {  // 13
        for (QString* t : {&p, &u})
            ReplaceEach(*t, kSlashCharacters, u"");
    }
    for (QString* t : {&p, &u}) {
        DropSmileyTails(*t);                  // 14
        SqueezeBlankRuns(*t, 3);              // 15
        TrimBlanks(*t);                       //
        ApplyInOrder(*t, kSentenceEnds);      // 16
        ReplaceEach(*t, kApostrophes, u"'");  //
        DropLaughTails(*t);                   // 17
    }
    if (SaysNothing(p)) p.clear();  // 18
    if (!p.startsWith(u'#')) {      // 19
        for (QString* t : {&p, &u}) {
            ReplaceAll(*t, u",", u" ");
            if (!hasLink) ReplaceEach(*t, kSentencePunctuation, u" ");
        }
    }
    for (QString* t : {&p, &u}) {  // 20
        ApplyInOrder(*t, kTeachingJoined);
        // The commas of a link put back have just become blanks beside a blank.
        while (t->contains(u"  "))
            SqueezeBlankRuns(*t, 1);
        TrimBlanks(*t);
    }
}
