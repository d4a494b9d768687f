#pragma once

#include <QString>

// The time spent online since the program started: it counts on across stops and reconnections.
class OnlineClock {
  public:
    void tick() { ++seconds_; }
    // "TIME SPENT ONLINE: 1:01:05"
    QString text() const;

  private:
    long long seconds_ = 0;
};
