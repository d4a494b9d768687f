#include "reply_groups.h"

#include "engine/console_log.h"
#include "engine/engine.h"

#include <QTimer>

namespace {

constexpr int kQueuePollMs = 50;

// Runs `next` once the lines given before have left the send queue, so that a pause is one on
// the wire too; at once while offline, where nothing leaves.
void WhenSent(Engine& engine, const std::function<void()>& next) {
    if (engine.out.irc->QueuedLines() == 0 || !engine.out.irc->IsConnected()) return next();
    QTimer::singleShot(kQueuePollMs, &engine, [&engine, next] { WhenSent(engine, next); });
}

void SendFrom(Engine& engine, const QString& nick, const QList<ReplyGroup>& groups,
              qsizetype index) {
    for (const ReplyLine& line : groups[index].lines)
        line.action ? engine.out.irc->SendAction(nick, line.text)
                    : engine.out.irc->SendPrivmsg(nick, line.text);
    if (++index >= groups.size()) return;
    WhenSent(engine, [&engine, nick, groups, index] {
        // Precise: a coarse timer may end a pause up to 5% early.
        QTimer::singleShot(
            groups[index].pauseBeforeMs, Qt::PreciseTimer, &engine,
            [&engine, nick, groups, index] { SendFrom(engine, nick, groups, index); });
    });
}

}  // namespace

void ReplyPacer::send(Engine& engine, const std::function<QList<ReplyGroup>()>& make) {
    const Request& r = engine.state.request;
    const QDateTime now = engine.out.clock->now();
    const auto last = lastReplyAt_.constFind(r.UserKey);
    if (last != lastReplyAt_.cend() && last->msecsTo(now) < kPerUserMs && last->msecsTo(now) >= 0) {
        DetailLine(engine, "A.I. > No reply to " + r.UserNick + " for \"" + r.WorkPhrase +
                               "\": one long reply per user in 10 seconds.");
        return;
    }
    // Old entries go, so the table holds only the users of the last 10 seconds.
    lastReplyAt_.removeIf(
        [&](const auto& entry) { return entry.value().msecsTo(now) >= kPerUserMs; });
    lastReplyAt_.insert(r.UserKey, now);
    const QList<ReplyGroup> groups = make();
    if (!groups.isEmpty()) SendFrom(engine, r.UserNick, groups, 0);
}
