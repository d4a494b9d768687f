#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class Query;
class RandomSource;
struct Settings;

// Clearing brain tables: an area of the brain (one to three tables) is emptied whole, or only the
// rows taught at a given date and time and/or by a given teacher.

struct ClearingArea {
    const char* caption;  // the button's caption; the one-shot command names areas by it
    const char* hint;
    QStringList tables;  // cleared in this order
    // The columns the criteria test; no date column: the area has no dates.
    QString dateColumn, timeColumn, nickColumn;
    const char* allMessage;
    const char* zeroMessage;  // none where the area is always cleared whole
    const char* countSuffix;
    enum class Whole { No, EventMessages, MiscTemporary } whole = Whole::No;
};

// The eighteen areas, in the order of the tab's buttons.
const std::vector<ClearingArea>& ClearingAreas();
// The area whose caption is `caption`, compared ignoring case; null when none is.
const ClearingArea* FindClearingArea(const QString& caption);

// The criteria of the settings (lines 29 to 37).
struct ClearingCriteria {
    bool byDateAndTime = false;
    bool byTeacher = false;
    QString year, month, day, hour, minute;  // "_" stands for any character
    QString teacher;                         // the nick as typed

    static ClearingCriteria From(const Settings& settings);
};

// Clears the area by the criteria; returns the message that says what was cleared. "Misc
// Temporary Data" puts `defaultChannel` back.
QString ClearArea(Query& db, const ClearingArea& area, const ClearingCriteria& criteria,
                  const QString& defaultChannel);

// The confirmation key: "A", a number, "B", a number, "C", a number, each from 10 to 98.
QString NewClearingKey(RandomSource& random);
// Whether a clear may run with `typed` in the key field.
bool ClearingKeyAccepted(const QString& typed, const QString& key, bool withoutKey);
inline const QString kWrongClearingKey = QStringLiteral("Wrong security key!");
