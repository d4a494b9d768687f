#include "join_notices.h"

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/event_answer.h"

namespace {

const QString kTitle = QStringLiteral("Q.I.V.O™");

// The owner never talked to the character over IRC.
void RemindOwnerActivation(Engine& e) {
    const QString owner = EncodeNick(e.state.settings.ownersNickname);
    if (e.db.open("SELECT * FROM users_privileges WHERE user=? AND host<>? LIMIT 1",
                  {owner, QStringLiteral("127.0.0.1")}) > 0)
        return;
    e.out.notifications->balloon(
        kTitle,
        "Please activate your Q.I.V.O™ online owner status as soon as possible! To do this, you "
        "just have to make some short conversation with the program online.");
    PlayCue(e, "alert.wav");
}

// Once a month, as the settings are saved with the month they were saved in.
void NoteAutostart(Engine& e) {
    const Settings& s = e.state.settings;
    if (!s.automaticStartup || e.out.clock->now().toString("MM") == s.lastSaveMonth) return;
    e.out.notifications->balloon(kTitle,
                                 "Autostart function succeeded and Q.I.V.O™ console is hidden "
                                 "now. Whenever you need to restore console click on this tray "
                                 "icon.");
}

// Queued as an ordinary answer to the channel, not as Lonely Talking.
void PostTestModeNotice(Engine& e, const QString& channel) {
    Request& r = e.state.request;
    r = Request{};
    r.TargetKind = TargetKind::Channel;
    r.ReplyTarget = channel;
    r.UserKey = channel;
    e.state.lonely.speaking = false;
    AnswerWithEvent(e, QStringLiteral("On Test Mode - Notice"));
    Run(e.stages.PrepareDelivery, e);
    Run(e.stages.StartDelivery, e);
}

}  // namespace

void AnnounceJoin(Engine& engine, const QString& channel) {
    const Settings& s = engine.state.settings;
    if (s.showNotifications) {
        RemindOwnerActivation(engine);
        NoteAutostart(engine);
    }
    if (s.testMode && s.TestModeNotice) PostTestModeNotice(engine, channel);
}
