#include "message_front_end.h"

#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/input_queue.h"
#include "engine/time_text.h"

namespace {

void FillRequest(Engine& e, const QString& nick, const QString& address, const QString& text,
                 const QString& channel) {
    Request& r = e.state.request;
    r = Request{};
    r.UserAddress = address;
    r.RawText = text;
    r.OriginalPhrase = text;
    r.WorkPhrase = text.toUpper();
    r.UserNick = nick;
    r.PrivateInput = channel.isEmpty();
    r.ReplyTarget = r.PrivateInput ? nick : channel;
}

// The protections, each only while its switch is on and no earlier one was hit.
void RunProtections(Engine& e) {
    const Settings& s = e.state.settings;
    const Stages& st = e.stages;
    MessageChecks& checks = e.state.messageChecks;
    const bool anyOn = s.protectFromMessageFlood || s.protectFromSpam || s.protectFromBadContent;
    if (anyOn && !e.state.request.PrivateInput) Run(st.ProtectionGate, e);
    if (s.protectFromMessageFlood) Run(st.CheckFlood, e);
    if (!checks.FloodHit && s.protectFromSpam) Run(st.CheckSpam, e);
    if (!checks.SpamHit && s.protectFromBadContent) Run(st.CheckBadContent, e);
}

}  // namespace

std::optional<TInput> MessageFrontEnd(Engine& e, const QString& nick, const QString& address,
                                      const QString& text, const QString& channel) {
    EngineState& s = e.state;
    s.messageChecks = MessageChecks{};
    FillRequest(e, nick, address, text, channel);
    RunProtections(e);
    if (s.messageChecks.FloodHit || s.messageChecks.SpamHit || s.messageChecks.BadContentHit ||
        s.paused)
        return std::nullopt;

    Request& r = s.request;
    // Users address the nick we have, which is the configured one unless the server refused it.
    const bool highlight = e.stages.IsNickAddressed(text, e.out.irc->CurrentNick());
    s.messageChecks.Highlight = highlight;
    const QString upper = text.toUpper();
    if (upper != "!HELLO QIVO" && upper != "!HELP" && !r.PrivateInput && !highlight &&
        !s.settings.processPublicMessages) {
        ConsoleLine(e, "A.I. > Public message processing is disabled.");
        ConsoleLine(e, "A.I. > NLP skipped.");
        return std::nullopt;
    }
    if (s.settings.latvianLanguageMode) Run(e.stages.FoldLatvianInput, e);
    if (!s.settings.showOnlyLocalChat)
        e.out.additional->chatLine(LongTimeText(e.out.clock->now().time()) + " > " + nick + " : " +
                                   text);
    r.TargetKind = r.PrivateInput ? TargetKind::Private
                   : highlight    ? TargetKind::HighlightedChannel
                                  : TargetKind::Channel;
    return TInput{.TargetKind = r.TargetKind,
                  .UserAddress = r.UserAddress,
                  .ReplyTarget = r.ReplyTarget,
                  .UserNick = r.UserNick,
                  .RawText = r.RawText,
                  .OriginalPhrase = r.OriginalPhrase,
                  .UpperPhrase = r.WorkPhrase,
                  .Highlighted = highlight};
}

void QueueIrcInput(Engine& engine, const TInput& input) {
    EnqueueIrcInput(engine, input);
    engine.NLPtimer.start();
}
