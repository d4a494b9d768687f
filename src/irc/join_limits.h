#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

// How far others may move the character between channels: a kick is answered by a rejoin only
// while the channel has not kicked it three times within five minutes, and at most one invite a
// minute is followed. Channels are given folded by the server's case mapping.
class JoinLimits {
  public:
    static constexpr int kKicksBeforeStaying = 3;
    static constexpr qint64 kKickWindowSeconds = 5 * 60;
    static constexpr qint64 kInviteIntervalSeconds = 60;

    // A kick from `channel` at `now`: whether the character may join it again.
    bool mayRejoin(const QString& channel, const QDateTime& now);
    // An invite at `now`: whether it may be followed.
    bool mayFollowInvite(const QDateTime& now);

  private:
    QHash<QString, QList<QDateTime>> kicks_;  // by folded channel, the kicks of the last window
    QDateTime lastInviteFollowed_;
};
