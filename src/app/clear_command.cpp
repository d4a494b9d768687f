#include "clear_command.h"

#include "app/one_shot.h"
#include "dbadmin/clearing.h"
#include "engine/settings.h"

#include <QRegularExpression>

namespace {

const QCommandLineOption kByDate(
    "by-date",
    "With --clear: only the rows taught at PATTERN, year.month.day.hour.minute as "
    "2010.01.01.__.__, where \"_\" stands for any digit.",
    "PATTERN");
const QCommandLineOption kByNick("by-nick", "With --clear: only the rows taught by NICK.", "NICK");
const QCommandLineOption kYes("yes", "With --clear: yes, clear (the security key).");

QString Captions() {
    QStringList captions;
    for (const ClearingArea& area : ClearingAreas())
        captions << "\"" + QString::fromUtf8(area.caption) + "\"";
    return captions.join(", ");
}

// Reads --by-date into the criteria; false when it is no pattern of the five fields.
bool TakeDatePattern(const QString& pattern, ClearingCriteria& criteria) {
    // Digits and the one-character wildcard only: a "%" would match more than the owner wrote.
    static const QRegularExpression shape(
        R"(^([0-9_]{4})\.([0-9_]{2})\.([0-9_]{2})\.([0-9_]{2})\.([0-9_]{2})$)");
    const QRegularExpressionMatch match = shape.match(pattern);
    if (!match.hasMatch()) return false;
    criteria.byDateAndTime = true;
    criteria.year = match.captured(1);
    criteria.month = match.captured(2);
    criteria.day = match.captured(3);
    criteria.hour = match.captured(4);
    criteria.minute = match.captured(5);
    return true;
}

}  // namespace

QList<QCommandLineOption> ClearModifiers() {
    return {kByDate, kByNick, kYes};
}

int RunClear(OneShotRun& run) {
    const QString caption = run.args.value("clear");
    const ClearingArea* area = FindClearingArea(caption);
    if (!area)
        return UsageError("There is no brain area \"" + caption + "\". The areas are " +
                          Captions() + ".");
    if (!run.args.isSet(kYes))
        return UsageError("--clear deletes rows for good: add --yes to clear \"" +
                          QString::fromUtf8(area->caption) + "\".");
    const bool ownCriteria = run.args.isSet(kByDate) || run.args.isSet(kByNick);
    ClearingCriteria criteria;
    if (run.args.isSet(kByDate) && !TakeDatePattern(run.args.value(kByDate), criteria))
        return UsageError("--by-date takes year.month.day.hour.minute as 2010.01.01.__.__, not \"" +
                          run.args.value(kByDate) + "\".");
    if (run.args.isSet(kByNick)) {
        criteria.byTeacher = true;
        criteria.teacher = run.args.value(kByNick);
    }
    if (!run.home.reach()) return kExitFailure;
    Settings& settings = run.home.engine().state.settings;
    try {
        LoadSettings(settings, run.home.path() + "/Main/Options.ini");
    } catch (const SettingsFileError& e) {
        TerminalNotifications().error(QString::fromUtf8(e.what()));
        return kExitFailure;
    }
    if (!ownCriteria) criteria = ClearingCriteria::From(settings);
    MaintainedBrain brain = run.home.brain();
    return ReportJob(ClearBrainArea(brain, *area, criteria, settings.defaultJoinChannel));
}
