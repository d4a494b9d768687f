#include "brackets.h"

#include "engine/text_rules.h"

#include <vector>

namespace {

constexpr int kSpacingPasses = 10;

constexpr Replacement kBracketSpacing[] = {
    {u" [ ", u" ["}, {u"[ ", u" ["}, {u"[", u" ["}, {u" ] ", u"] "}, {u" ]", u"] "}, {u"]", u"] "},
};

constexpr QStringView kEmptyBrackets[] = {
    u" [] ", u" [ ] ", u" []", u" [ ]", u"[] ", u"[ ] ", u"[]", u"[ ]",
};

// The closing-up procedure runs this many times over the phrase.
constexpr int kClosingUpRounds = 30;

// A pair already handled stands as these while the next pair is looked for.
constexpr QStringView kHandledOpening = u"01BRCKETXY01";
constexpr QStringView kHandledClosing = u"02BRCKETYX02";

// What one round makes of each bracket.
enum class Fate : unsigned char { Stays, Blank, Opening, Closing };

// One round: pairs each first "[" with the first "]" after it, blanking every "]" in front of
// it, until no "[" or no "]" is left, then blanks the brackets that found no partner. Blanks and
// apostrophes between the brackets of a pair go. The pairs are worked out from the bracket
// positions in one sweep, so a long phrase costs no more than a short one per character.
QString CloseUpRound(const QString& phrase) {
    std::vector<qsizetype> openings, closings;
    for (qsizetype i = 0; i < phrase.size(); ++i) {
        if (phrase[i] == u'[') openings.push_back(i);
        if (phrase[i] == u']') closings.push_back(i);
    }
    std::vector<Fate> fate(size_t(phrase.size()), Fate::Stays);
    // +1 where a pair begins, -1 behind where it ends: the running sum is > 0 inside a pair.
    std::vector<int> depth(size_t(phrase.size()) + 1, 0);
    size_t next = 0, close = 0;
    while (true) {
        if (next == openings.size()) {
            for (; close < closings.size(); ++close)
                fate[size_t(closings[close])] = Fate::Blank;
            break;
        }
        const qsizetype opening = openings[next];
        for (; close < closings.size() && closings[close] < opening; ++close)
            fate[size_t(closings[close])] = Fate::Blank;
        if (close == closings.size()) {
            // Blanked after the pairs were closed up: these blanks stay even inside a pair.
            for (; next < openings.size(); ++next)
                fate[size_t(openings[next])] = Fate::Blank;
            break;
        }
        const qsizetype closing = closings[close];
        fate[size_t(opening)] = Fate::Opening;
        fate[size_t(closing)] = Fate::Closing;
        ++depth[size_t(opening)];
        --depth[size_t(closing) + 1];
        ++next;
        ++close;
    }

    QString result;
    result.reserve(phrase.size());
    int inside = 0;
    for (qsizetype i = 0; i < phrase.size(); ++i) {
        inside += depth[size_t(i)];
        const QChar c = phrase[i];
        switch (fate[size_t(i)]) {
            case Fate::Opening:
                result += kHandledOpening;
                continue;
            case Fate::Closing:
                result += kHandledClosing;
                continue;
            case Fate::Blank:
                result += u' ';
                continue;
            case Fate::Stays:
                break;
        }
        if (inside > 0 && (c == u' ' || c == u'\'')) continue;
        result += c;
    }
    ReplaceAll(result, kHandledOpening, u"[");
    ReplaceAll(result, kHandledClosing, u"]");
    return result;
}

}  // namespace

void SpaceBrackets(QString& phrase) {
    for (int pass = 0; pass < kSpacingPasses; ++pass) {
        ApplyInOrder(phrase, kBracketSpacing);
        ReplaceEach(phrase, kEmptyBrackets, u" ");
    }
}

void CloseUpBrackets(QString& phrase) {
    for (int round = 0; round < kClosingUpRounds; ++round) {
        QString next = CloseUpRound(phrase);
        // A round that changes nothing would change nothing in the rounds after it either.
        if (next == phrase) return;
        phrase = std::move(next);
    }
}
