#include "online_clock.h"

QString OnlineClock::text() const {
    return QStringLiteral("TIME SPENT ONLINE: %1:%2:%3")
        .arg(seconds_ / 3600)
        .arg(seconds_ / 60 % 60, 2, 10, QChar('0'))
        .arg(seconds_ % 60, 2, 10, QChar('0'));
}
