#include "prepare_delivery.h"

#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/log_files.h"
#include "engine/text_rules.h"

#include <algorithm>

void PrepareDelivery(Engine& engine) {
    EngineState& s = engine.state;
    const Request& r = s.request;
    DetailLine(engine, "A.I. > MMAS preparing..");
    const TMMAS entry = s.lonely.speaking
                            ? TMMAS{s.lonely.userKey, s.lonely.outputPhrase, s.lonely.replyTarget,
                                    s.lonely.targetKind}
                            : TMMAS{r.UserKey, r.OutputPhrase, r.ReplyTarget, r.TargetKind};
    QList<TMMAS>& store = s.stores.MMASStore;
    const bool queued = std::any_of(store.begin(), store.end(), [&](const TMMAS& waiting) {
        return waiting.userKey == entry.userKey && waiting.outputPhrase == entry.outputPhrase;
    });
    if (!queued) store.append(entry);
    DetailLine(engine, "A.I. > MMAS prepared.");
    NlpLogResponse(engine, entry.outputPhrase);
}

QString NormaliseSeparators(QString phrase) {
    ApplyInOrder(phrase,
                 {{u"###", u"#"}, {u"##", u"#"}, {u" # ", u"#"}, {u"# ", u"#"}, {u" #", u"#"}});
    return phrase;
}
