#include "irc_accounts.h"

void IrcAccounts::set(const QString& folded, const QString& account, Source source, qint64 nowMs) {
    if (!folded.isEmpty()) known_.insert(folded, {account, source, nowMs});
}

void IrcAccounts::rename(const QString& oldFolded, const QString& newFolded) {
    const auto found = known_.constFind(oldFolded);
    if (found == known_.cend()) {
        forget(newFolded);
        return;
    }
    const Known known = *found;
    known_.erase(found);
    known_.insert(newFolded, known);
}

void IrcAccounts::forget(const QString& folded) {
    known_.remove(folded);
}

std::optional<QString> IrcAccounts::of(const QString& folded, qint64 nowMs) const {
    const auto found = known_.constFind(folded);
    if (found == known_.cend()) return std::nullopt;
    if (found->source == Source::Whois && nowMs - found->atMs > kWhoisTrustMs) return std::nullopt;
    return found->account;
}
