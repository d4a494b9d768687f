#include "join_limits.h"

namespace {

// Whether `then` lies less than `seconds` before `now`; a clock set back counts as long ago.
bool Within(const QDateTime& then, const QDateTime& now, qint64 seconds) {
    const qint64 since = then.secsTo(now);
    return then.isValid() && since >= 0 && since < seconds;
}

}  // namespace

bool JoinLimits::mayRejoin(const QString& channel, const QDateTime& now) {
    QList<QDateTime>& kicks = kicks_[channel];
    kicks.removeIf([&](const QDateTime& at) { return !Within(at, now, kKickWindowSeconds); });
    kicks << now;
    return kicks.size() < kKicksBeforeStaying;
}

bool JoinLimits::mayFollowInvite(const QDateTime& now) {
    if (Within(lastInviteFollowed_, now, kInviteIntervalSeconds)) return false;
    lastInviteFollowed_ = now;
    return true;
}
