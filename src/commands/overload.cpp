#include "overload.h"

#include "brain/query.h"
#include "command_call.h"
#include "engine/brain_outage.h"
#include "engine/console_log.h"
#include "engine/engine.h"

#include <QTimer>

#include <functional>
#include <optional>

namespace {

constexpr int kMaximum = 50000;
constexpr int kChunk = 200;  // rows of one event-loop turn

const QString kQuestion = QStringLiteral(
    "%THIS%IS%A%TEST%QUESTION%WRITTEN%BY%THE%OVERLOAD%TEST%OF%THE%PROGRAM%TO%FILL%THE%INTERFACE%"
    "TABLES%WITH%MANY%ROWS%SO%THAT%THE%OWNER%CAN%MEASURE%HOW%FAST%THE%BRAIN%ANSWERS%WHEN%IT%HOLDS%"
    "A%BIG%NUMBER%OF%STORED%TEST%QUESTIONS%");
const QString kAnswer = QStringLiteral(
    "%THIS%IS%A%TEST%ANSWER%WRITTEN%BY%THE%OVERLOAD%TEST%OF%THE%PROGRAM%TO%FILL%THE%INTERFACE%"
    "TABLES%WITH%MANY%LINES%SO%THAT%THE%OWNER%CAN%MEASURE%HOW%FAST%THE%BRAIN%ANSWERS%WHEN%IT%"
    "HOLDS%A%GREAT%NUMBER%OF%STORED%TEST%ANSWERS%");

// "TEST TIME" does not fit the eight characters of a stored time; the test rows carry midnight
// and are known by their owner "System" and their date "TEST DATE".
const QString kTestTime = QStringLiteral("00:00:00");

using InsertRow = std::function<void(Engine&, int i)>;

void InsertInterfaceRow(Engine& e, int) {
    for (const char* table : {"interface_s", "interface_q"})
        e.db.execute(
            QStringLiteral("INSERT INTO %1 (`personality`, `daylight_time`, `question`, "
                           "`answer`, `owner`, `date_learned`, `time_learned`) VALUES "
                           "(?, ?, ?, ?, ?, ?, ?)")
                .arg(table),
            {"TEST CONDITION", "TEST TIME", kQuestion, kAnswer, "System", "TEST DATE", kTestTime});
}

void InsertSynonymRow(Engine& e, int i) {
    const QString n = QString::number(i);
    e.db.execute(
        "INSERT INTO words_correction (`indefinite`, `definite`, `date_learned`, `time_learned`, "
        "`owner`) VALUES (?, ?, ?, ?, ?)",
        {"INCORRECTWORD" + n, "CORRECTEDWORD" + n, "TEST DATE", kTestTime, "System"});
    e.db.execute(
        "INSERT INTO words_relationship (`indefinite`, `definite`, `date_learned`, "
        "`time_learned`, `owner`) VALUES (?, ?, ?, ?, ?)",
        {"SOME WORDS " + n, "SOME WORDS SYNONYM " + n, "TEST DATE", kTestTime, "System"});
}

void Finished(Engine& e, const QString& nick) {
    ConsoleLine(e, "A.I. > Warning! Overload finished.");
    PlayCue(e, "warning.wav");
    e.out.irc->SendPrivmsg(nick, "Warning! Overload finished.");
}

// Rows from..last, a chunk now and the rest after the event loop's next turn.
void InsertFrom(Engine& e, const QString& nick, const InsertRow& insert, int from, int last) {
    const int until = std::min(last, from + kChunk - 1);
    // A failed statement ends the load test with its console line.
    bool inserted = false;
    RunTimerWork(e, [&] {
        for (int i = from; i <= until; ++i)
            insert(e, i);
        inserted = true;
    });
    if (!inserted) return;
    if (until >= last) return Finished(e, nick);
    QTimer::singleShot(
        0, &e, [&e, nick, insert, until, last] { InsertFrom(e, nick, insert, until + 1, last); });
}

bool Overload(const CommandCall& call, const QString& console, const QString& reply,
              const InsertRow& insert) {
    Engine& e = call.e;
    const QString& nick = e.state.request.UserNick;
    bool isNumber = false;
    const int n = call.phraseAfter().left(7).remove(' ').toInt(&isNumber);
    if (!isNumber) {
        call.reply("The overload needs a whole number of rows.");
        return true;
    }
    if (n > kMaximum) {
        ConsoleLine(e, "A.I. > Maximum allowed = 50000!");
        call.reply("Maximum allowed = 50000!");
        return true;
    }
    const QString rows = QString::number(2 * n);
    ConsoleLine(e, "A.I. > " + console + rows + " rows..");
    call.reply(reply + rows + " rows..");
    PlayCue(e, "warning.wav");
    // At least one round, also for a count below 1.
    InsertFrom(e, nick, insert, 1, std::max(n, 1));
    return true;
}

}  // namespace

bool OverloadInterface(const CommandCall& call) {
    return Overload(call, "Warning! Overloading interface with ",
                    "Warning! Overloading interface with ", InsertInterfaceRow);
}

bool OverloadSynonyms(const CommandCall& call) {
    return Overload(call, "Warning! Overloading synonyms and with ",
                    "Warning! Overloading synonyms with ", InsertSynonymRow);
}
