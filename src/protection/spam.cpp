#include "engine/engine.h"
#include "message_checks.h"
#include "protection_actions.h"
#include "security_limits.h"
#include "user_record.h"

#include <algorithm>

namespace {

// Counts an offence and tells whether the count passed `limit`; a passed count starts again.
bool CountPast(bool offence, int& count, int limit) {
    if (!offence) return false;
    if (++count <= limit) return false;
    count = 0;
    return true;
}

// The share of capitals among the characters that are not blanks, in whole percent.
int CapitalsPercent(const QString& text) {
    int letters = 0, capitals = 0;
    for (const QChar c : text) {
        if (c == ' ') continue;
        ++letters;
        if (c.toLower() != c) ++capitals;
    }
    return letters == 0 ? 0 : 100 * capitals / letters;
}

int LongWords(const QString& text, int longerThan) {
    const QStringList words = (text + ' ').split(' ');
    return int(std::count_if(words.begin(), words.end(),
                             [&](const QString& word) { return word.size() > longerThan; }));
}

// Shouting, long words, long text, then the same text as the message before: the first limit
// passed kicks.
bool PassesALimit(const QString& original, const QString& phrase, TUserVariables& user,
                  const SecurityLimits& l) {
    const bool shouting =
        original.size() > l.SpamCapsFrom && CapitalsPercent(original) > l.SpamCapsPercent;
    return CountPast(shouting, user.capitalsMessageCount, l.SpamMaxCaps) ||
           CountPast(LongWords(phrase, l.SpamMaxSymbls) > l.SpamMaxLongwords,
                     user.longWordMessageCount, l.SpamWLens) ||
           CountPast(phrase.size() > l.SpamMaxLength, user.longMessageCount, l.SpamLens) ||
           CountPast(user.lastPhrase == phrase, user.spamRepetitionCount, l.SpamRepeatings);
}

// Remembers the message as the newest of the eleven.
void Remember(TUserVariables& user, const QString& phrase, qint64 now) {
    user.lastPhrase = phrase;
    std::shift_right(user.recentMessages.begin(), user.recentMessages.end(), 1);
    std::shift_right(user.recentMessageTimes.begin(), user.recentMessageTimes.end(), 1);
    user.recentMessages[0] = phrase;
    user.recentMessageTimes[0] = now;
}

// The same text as one of the ten messages before, soon after the previous message.
bool IsQuickRepeat(const Engine& e, const TUserVariables& user, const QString& phrase,
                   const SecurityLimits& l) {
    const bool seen = std::find(user.recentMessages.begin() + 1, user.recentMessages.end(),
                                phrase) != user.recentMessages.end();
    return seen && ElapsedMs(e, user.recentMessageTimes[1]) < l.AntispamMs;
}

}  // namespace

void CheckSpam(Engine& e, BanLedger& ledger) {
    const Request& r = e.state.request;
    TUserVariables* user = FindUserRecord(e, r.UserNick);
    if (!user) {
        TUserVariables& added = e.state.stores.userVariables(r.UserNick);
        added.recentMessages.fill(r.WorkPhrase);
        added.recentMessageTimes.fill(NowMs(e));
        added.lastPhrase = r.WorkPhrase;
        return;
    }
    if (!e.state.messageChecks.ProtectionActs) return;
    const SecurityLimits limits = ReadSecurityLimits(e.state.settings);
    if (!PassesALimit(r.OriginalPhrase, r.WorkPhrase, *user, limits)) {
        Remember(*user, r.WorkPhrase, NowMs(e));
        if (!IsQuickRepeat(e, *user, r.WorkPhrase, limits)) return;
        e.state.messageChecks.SpamHit = true;
        if (!CountPast(true, user->quickRepeatCount, limits.SpamAllowed)) return;
    }
    ++user->spamKicks;
    Punish(e, ledger, {"On Spam - Kick", "On Spam - Ban Kick", "SPAM"}, user->spamKicks,
           limits.SpamKicks, r.UserNick, r.UserAddress, r.ReplyTarget);
}
