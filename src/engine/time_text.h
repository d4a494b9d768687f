#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// Dates and times as the system's locale writes them: the "[date]" and "[time]" placeholders and
// the time stamps of the additional console's chat view.

// The locale's short date format.
QString ShortDateText(QDate date);
// The locale's long time format, without a time zone name.
QString LongTimeText(QTime time);
