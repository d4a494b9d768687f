#include "irc_send_queue.h"

#include <algorithm>

IrcSendQueue::IrcSendQueue(int burstLines, qint64 lineIntervalMs) {
    setRate(burstLines, lineIntervalMs);
}

void IrcSendQueue::setRate(int burstLines, qint64 lineIntervalMs) {
    burstLines_ = std::max(1, burstLines);
    lineIntervalMs_ = std::max<qint64>(0, lineIntervalMs);
}

void IrcSendQueue::append(const QByteArray& line) {
    lines_.push_back(line);
}

void IrcSendQueue::appendUrgent(const QByteArray& line) {
    lines_.insert(lines_.begin() + urgentLines_, line);
    ++urgentLines_;
}

void IrcSendQueue::clear() {
    lines_.clear();
    urgentLines_ = 0;
}

qint64 IrcSendQueue::nextAllowedAt() const {
    // A line may leave when sending it leaves the bucket's refill at most burstLines_ intervals
    // ahead: at fullAt_ + interval - burst * interval.
    return fullAt_ - qint64(burstLines_ - 1) * lineIntervalMs_;
}

QList<QByteArray> IrcSendQueue::takeDue(qint64 nowMs) {
    QList<QByteArray> due;
    while (!lines_.empty()) {
        const qint64 from = std::max(fullAt_, nowMs);
        if (from + lineIntervalMs_ - nowMs > qint64(burstLines_) * lineIntervalMs_) break;
        fullAt_ = from + lineIntervalMs_;
        due << lines_.front();
        lines_.pop_front();
        if (urgentLines_ > 0) --urgentLines_;
    }
    return due;
}

qint64 IrcSendQueue::msUntilNext(qint64 nowMs) const {
    if (lines_.empty()) return -1;
    return std::max<qint64>(0, nextAllowedAt() - nowMs);
}
