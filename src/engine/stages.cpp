#include "stages.h"

#include "console_log.h"
#include "engine.h"

#include <QLoggingCategory>

#include <stdexcept>

namespace {

Q_LOGGING_CATEGORY(lcCycle, "talvane.cycle", QtWarningMsg)

}  // namespace

void Stage::call(Engine& engine) const {
    if (!body_) throw std::logic_error(std::string("The stage ") + name_ + " was never filled.");
    body_(engine);
}

std::vector<Stage*> Stages::all() {
#define TALVANE_STAGE_POINTER(name) &name,
    return {TALVANE_STAGES(TALVANE_STAGE_POINTER)};
#undef TALVANE_STAGE_POINTER
}

bool Stages::complete() {
    for (const Stage* stage : all())
        if (!stage->filled()) return false;
    return PrepareAnswerLookup && DeliveryPending && UnwatchUser && OwnerIdentityVerified &&
           OnlineAddressOf && ChannelNameLimit && IsNickAddressed && PrepareEventReply &&
           CheckJoin && CheckNickChange && BanConfirmed;
}

void Run(const Stage& stage, Engine& engine) {
    if (!lcCycle().isDebugEnabled()) return stage.call(engine);
    const QString before = engine.state.request.WorkPhrase;
    stage.call(engine);
    // Quoted, since the stages pad and squeeze blanks.
    qCDebug(lcCycle).noquote() << QString::fromLatin1(stage.name()) + ": \"" + before + "\" -> \"" +
                                      engine.state.request.WorkPhrase + '"';
}

Stage::Body NotBuiltYet(const QString& name) {
    return [name](Engine& engine) {
        DetailLine(engine, "A.I. > The stage " + name + " is not built yet.");
    };
}
