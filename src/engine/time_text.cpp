#include "time_text.h"

#include <QLocale>
#include <QRegularExpression>

QString ShortDateText(QDate date) {
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

QString LongTimeText(QTime time) {
    // Qt's long formats name the time zone ("t"); a clock on the screen does not.
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b"));
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(zone);
    return QLocale::system().toString(time, format.trimmed());
}
