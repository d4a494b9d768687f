#include "response_refusals.h"

#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"
#include "engine/event_answer.h"

#include <QStringList>

#include <optional>

namespace {

// What a refusal writes in one mode; rows that only one mode can reach, or that read the same in
// both, give the teach mode's texts alone.
struct ModeTexts {
    QStringList lines;
    QString notice;
};

struct RefusalTexts {
    QString event;
    bool nickEndsFirstLine;
    ModeTexts teach;
    std::optional<ModeTexts> extend;
};

const QString kTeachCanceled = QStringLiteral("A.I. > Response learning canceled.");
const QString kExtendCanceled = QStringLiteral("A.I. > Response extend canceled.");

// Rows 5 to 7 share one shape: an error named in both modes, then the cancel line.
RefusalTexts ErrorRow(const QString& event, const QString& error) {
    return {event,
            false,
            {{"A.I. > Response learning error: " + error, kTeachCanceled},
             "response learning error: " + error},
            ModeTexts{{"A.I. > Response extend error: " + error, kExtendCanceled},
                      "response extend error: " + error}};
}

const RefusalTexts& Texts(ResponseRefusal refusal) {
    static const RefusalTexts rows[] = {
        {"On Manual Learning - Learning Not Allowed",
         false,
         {{"A.I. > Response teaching restricted by owner.", "A.I. > Response teaching canceled."},
          "response teaching restricted by owner."},
         ModeTexts{{"A.I. > Response extend restricted by owner.", kExtendCanceled},
                   "response extend restricted by owner."}},
        {"On Manual Learning - Restricted For You",
         true,
         {{"A.I. > Response teaching restricted for user: "},
          "response teaching restricted for you."},
         {}},
        {"On Manual Learning - Response Extend - Restricted",
         true,
         {{"A.I. > Response extend restricted for user: ", kExtendCanceled},
          "response extend restricted for you."},
         {}},
        {"On Manual Learning - Nicknames Not Allowed", false, {}, {}},
        ErrorRow("On Manual Learning - Response - Zero Question", "Zero question."),
        ErrorRow("On Manual Learning - Response - Question Error", "Question error."),
        ErrorRow("On Manual Learning - Response - Answer Error", "Answer error."),
        {"On Manual Learning - Information Exist",
         false,
         {{"A.I. > Response learning error: Information already exist.", kTeachCanceled},
          "response learning error: Information already exist."},
         {}},
        {"On Manual Learning - Response Extend - Error",
         false,
         {{"A.I. > Response extend error: Necessary information does not exist.", kExtendCanceled},
          "response extend error: Necessary information does not exist."},
         {}},
        {"On Manual Learning - Response - Limited",
         true,
         {{"A.I. > Response teaching limited for user: ", "A.I. > Response teaching canceled."},
          "response teaching limited for you."},
         {}},
        {"On Manual Learning - Response - Missing Input Data",
         false,
         {{"A.I. > Input data for the response are missing.", kTeachCanceled},
          "response learning error: Input data for the response are missing."},
         {}},
    };
    return rows[int(refusal) - 1];
}

}  // namespace

void RefuseResponse(Engine& engine, ResponseRefusal refusal, bool extend) {
    Request& r = engine.state.request;
    const RefusalTexts& texts = Texts(refusal);
    const ModeTexts& mode = extend && texts.extend ? *texts.extend : texts.teach;
    for (qsizetype i = 0; i < mode.lines.size(); ++i)
        ConsoleLine(engine, mode.lines[i] + (i == 0 && texts.nickEndsFirstLine ? r.UserNick : ""));
    AnswerWithEvent(engine, texts.event);
    if (!mode.notice.isEmpty()) TrainingNotice(engine, mode.notice);
    engine.state.outcomes.TeachingHandled = true;
    r.Answered = true;
}
