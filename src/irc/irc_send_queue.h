#pragma once

#include <QByteArray>
#include <QList>

#include <deque>

// Everything the client sends waits here, so that it never floods the server: a burst of at most
// `burstLines` lines, then at most one line every `lineIntervalMs` (a token bucket that holds
// `burstLines` tokens and gains one each interval). Urgent lines (PONG) go ahead of every line
// that waits; otherwise lines leave in the order they came.
//
// The queue keeps no clock: the caller passes the time in milliseconds from any fixed start,
// asks which lines may leave now, and arms a timer for msUntilNext().
class IrcSendQueue {
  public:
    explicit IrcSendQueue(int burstLines = 4, qint64 lineIntervalMs = 1000);
    void setRate(int burstLines, qint64 lineIntervalMs);

    void append(const QByteArray& line);
    // Ahead of every waiting line, behind the urgent lines already waiting.
    void appendUrgent(const QByteArray& line);
    void clear();
    bool isEmpty() const { return lines_.empty(); }
    qsizetype size() const { return qsizetype(lines_.size()); }

    // Takes the lines that may leave at `nowMs`, oldest first.
    QList<QByteArray> takeDue(qint64 nowMs);
    // How long after `nowMs` the next waiting line may leave: 0 at once, -1 when none waits.
    qint64 msUntilNext(qint64 nowMs) const;

  private:
    // The earliest time at which a line may leave.
    qint64 nextAllowedAt() const;

    std::deque<QByteArray> lines_;
    qsizetype urgentLines_ = 0;
    int burstLines_;
    qint64 lineIntervalMs_;
    // The time at which the bucket would be full again: each line sent moves it one interval on.
    qint64 fullAt_ = 0;
};
