#pragma once

#include <QList>
#include <QTimer>

// Timers kept still while a maintenance job has the brain: none of them fires, even one that
// something starts meanwhile; afterwards each that was running starts again.
class HeldTimers {
  public:
    void hold(const QList<QTimer*>& timers);
    void release();

  private:
    struct Held {
        QTimer* timer;
        bool wasActive;
    };
    QList<Held> held_;
};
