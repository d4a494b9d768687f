#include "support/assembled_engine.h"

#include "engine/input_queue.h"
#include "engine/program_home.h"
#include "pipeline/assemble_stages.h"

AssembledEngine::AssembledEngine(Query& db, const Outside& outside) {
    SeedProgramHome(home.path(), QStringLiteral(TALVANE_SOURCE_DATA_DIR));
    engine = std::make_unique<Engine>(db, outside, ProgramHome(home.path()));
    delivery = std::make_unique<Delivery>(*engine);
    lonely = std::make_unique<LonelyTalking>(*engine);
    AssembleStages(engine->stages, *delivery, *lonely);
    LoadSettings(engine->state.settings, engine->home.path("Main/Options.ini"));
}

void EnqueueInput(Engine& engine, const TInput& input) {
    if (input.TargetKind == TargetKind::Local) {
        EnqueueLocalInput(engine, input);
    } else {
        EnqueueIrcInput(engine, input);
    }
}

TInput ChannelMessage(const QString& nick, const QString& channel, const QString& phrase) {
    TInput message;
    message.TargetKind = TargetKind::Channel;
    message.UserNick = nick;
    message.ReplyTarget = channel;
    message.OriginalPhrase = phrase;
    message.UpperPhrase = phrase.toUpper();
    return message;
}
