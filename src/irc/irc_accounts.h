#pragma once

#include <QHash>
#include <QString>

#include <optional>

// Which services account each user is logged in as, as far as the server has told us. Users are
// keyed by their folded nick. What a user's own line carries (the account tag), what the server
// announces about users we share a channel with (extended JOIN, ACCOUNT) holds until we lose
// sight of the user; a WHOIS answer holds only briefly, since a user we share no channel with may
// leave and another take the nick without our seeing it.
class IrcAccounts {
  public:
    enum class Source { Announced, Whois };
    static constexpr qint64 kWhoisTrustMs = 60000;

    // `account` empty: the user is logged in to no account.
    void set(const QString& folded, const QString& account, Source source, qint64 nowMs);
    void rename(const QString& oldFolded, const QString& newFolded);
    void forget(const QString& folded);
    void clear() { known_.clear(); }
    // The account ("" for none), or nothing when it is unknown or no longer to be trusted.
    std::optional<QString> of(const QString& folded, qint64 nowMs) const;

  private:
    struct Known {
        QString account;
        Source source;
        qint64 atMs;
    };
    QHash<QString, Known> known_;
};
