#include "placeholders.h"

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "engine/engine.h"
#include "engine/time_text.h"

#include <utility>

namespace {

const TUserVariables* FindRecord(const Stores& stores, const QString& nick) {
    for (const TUserVariables& record : stores.UserVarStore)
        if (record.nick == nick) return &record;
    return nullptr;
}

// A random user online other than the character, the addressee and the owner; the owner when
// nobody else is there.
QString SomeNick(Engine& engine, const QString& addressee) {
    const Settings& s = engine.state.settings;
    const int found = engine.db.open(
        "SELECT * FROM users_online WHERE user <> ? AND user <> ? AND user <> ? "
        "ORDER BY RAND() LIMIT 1",
        {EncodeNick(s.nickname), EncodeNick(addressee), EncodeNick(s.ownersNickname)});
    return found > 0 ? DecodeNick(engine.db.field("user")) : s.ownersNickname;
}

}  // namespace

void FillPlaceholders(Engine& engine, QString& line, const QString& addressee) {
    const EngineState& s = engine.state;
    const BrainCounts& c = s.counts;
    const std::pair<const char*, qint64> counts[] = {
        {"[numinterfaces]", c.interfaceS},         {"[numinterfaceq]", c.interfaceQ},
        {"[numsynonymcmd]", c.cmdSynonyms},        {"[numsynonymwrd]", c.synonyms},
        {"[numsynonymcor]", c.corrections},        {"[numcontextwrd]", c.contextWords},
        {"[numpositivesw]", c.positiveWords},      {"[numnegativesw]", c.negativeWords},
        {"[numcasesenswd]", c.caseSensitiveWords}, {"[numsysmesages]", c.systemMessages},
        {"[numknownusers]", c.lastphraseUser},     {"[numdtunsolved]", c.unsolvedData},
    };
    for (const auto& [placeholder, count] : counts)
        line.replace(QLatin1String(placeholder), QString::number(count));

    const TUserVariables* record = FindRecord(s.stores, addressee);
    const QDateTime now = engine.out.clock->now();
    line.replace(QLatin1String("[usernick]"), addressee);
    line.replace(QLatin1String("[qivonick]"), s.settings.nickname);
    line.replace(QLatin1String("[ownersnick]"), s.settings.ownersNickname);
    line.replace(QLatin1String("[date]"), ShortDateText(now.date()));
    line.replace(QLatin1String("[time]"), LongTimeText(now.time()));
    line.replace(QLatin1String("[answerowner]"),
                 record ? DecodeNick(record->lastAnswerOwner) : QString());
    line.replace(QLatin1String("[ack]"),
                 record ? record->linkedContextKeywords.toLower() : QString());
    line.replace(QLatin1String("[histmindif]"),
                 QString::number(record ? record->historyMinutes : 0));
    line.replace(QLatin1String("[histphrase]"),
                 record ? record->historyPhrase.toLower() : QString());
    // Only a line that names some other user costs a look at who is online.
    if (line.contains(QLatin1String("[somenick]")))
        line.replace(QLatin1String("[somenick]"), SomeNick(engine, addressee));
}
