#include "command_reply.h"

#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"
#include "engine/event_answer.h"

void EndCommand(Engine& engine, const CommandReply& reply, bool erasing) {
    for (const QString& line : reply.before)
        ConsoleLine(engine, line);
    AnswerWithEvent(engine, reply.event);
    if (reply.saveContext) SaveInputContext(engine);
    for (const QString& line : reply.after)
        ConsoleLine(engine, line);
    if (!reply.notice.isEmpty()) TrainingNotice(engine, reply.notice);
    Outcomes& o = engine.state.outcomes;
    (erasing ? o.ErasingHandled : o.TeachingHandled) = true;
    engine.state.request.Answered = true;
}
