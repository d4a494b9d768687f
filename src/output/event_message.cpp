#include "event_message.h"

#include "brain/dialogue_rows.h"
#include "brain/drawn_row.h"
#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/text_rules.h"
#include "output_line.h"
#include "output_synonyms.h"

namespace {

const QString kQueryThisText = QStringLiteral("M_QUERY_THIS_TEXT");
const QString kDefaultText = QStringLiteral("SYSTEM MESSAGE: ");

void RemoveFirstIgnoringCase(QString& text, const QString& what) {
    const qsizetype at = text.indexOf(what, 0, Qt::CaseInsensitive);
    if (at >= 0) text.remove(at, what.size());
}

QString QueriedText(QString eventName) {
    for (const QString& form :
         {' ' + kQueryThisText + ' ', ' ' + kQueryThisText, kQueryThisText + ' ', kQueryThisText})
        RemoveFirstIgnoringCase(eventName, form);
    return eventName;
}

QString CleanedUp(QString text) {
    ApplyInOrder(text, {{u"   ", u" "},
                        {u"  ", u" "},
                        {u"  ?", u"?"},
                        {u" ?", u"?"},
                        {u"  !", u"!"},
                        {u" !", u"!"}});
    return text;
}

// One stored message of the event in the chosen language, or the visible default text when
// there is none (or only blanks).
QString DrawMessage(Engine& engine, const QString& eventName, const QString& storedName) {
    const int found =
        engine.db.open(DrawnRowStatement("system_messages", "event_name=?"), {storedName});
    const QString message = found > 0 ? engine.db.field("event_message") : QString();
    if (message.trimmed().isEmpty()) {
        ConsoleLine(engine, "A.I. > Set default system message.");
        return kDefaultText + eventName + " [SYSMSG]";
    }
    ConsoleLine(engine, "A.I. > Set custom system message.");
    return message.toUpper() + " [SYSMSG]";
}

// A message as the no-repeat rule compares it. The last output is stored without double quotes,
// so they do not count.
QString Comparable(const QString& message) {
    return CleanedUp(message).toUpper().remove(u'"');
}

// The character's last output to the user as the no-repeat rule compares it; empty when the user
// has no record.
QString LastOutputTo(Engine& engine, const QString& userKey) {
    const std::optional<LastPhraseAiRow> last = ReadLastPhraseAi(engine.db, userKey);
    return last ? Comparable(last->phrase) : QString();
}

// A message of the event that differs from `last`; `drawn` when every one reads the same.
QString AnyOtherMessage(Engine& engine, const QString& storedName, const QString& last,
                        const QString& drawn) {
    Query& db = engine.db;
    db.open("SELECT * FROM system_messages WHERE event_name=?", {storedName});
    for (db.first(); !db.eof(); db.next()) {
        const QString message = db.field("event_message");
        if (message.trimmed().isEmpty()) continue;
        const QString candidate = CleanedUp(message.toUpper() + " [SYSMSG]");
        if (Comparable(candidate) != last) return candidate;
    }
    return drawn;
}

// The answer text for an event: steps 1 to 7 of the event message.
QString EventMessage(Engine& engine, const QString& eventName, const QString& addresseeKey) {
    ConsoleLine(engine, "A.I. > Reading system messages..");
    if (eventName.toUpper().contains(kQueryThisText)) {
        ConsoleLine(engine, "A.I. > Set custom system message.");
        return CleanedUp(QueriedText(eventName).toUpper() + " [SYSMSG]");
    }
    const QString storedName = eventName + (engine.state.settings.latvianEventSystem ? "" : "_en");
    QString message = CleanedUp(DrawMessage(engine, eventName, storedName));

    engine.db.open("SELECT COUNT(*) as result FROM system_messages WHERE event_name=?",
                   {storedName});
    const qint64 messages = engine.db.field("result").toLongLong();
    if (messages <= 1) return message;
    const QString last = LastOutputTo(engine, addresseeKey);
    if (last.isEmpty()) return message;
    // Draw again while the message repeats the last output, as often as the event has messages;
    // then take any message that differs, so that the drawing always ends.
    for (qint64 redraw = 0; redraw < messages && Comparable(message) == last; ++redraw)
        message = CleanedUp(DrawMessage(engine, eventName, storedName));
    if (Comparable(message) == last) message = AnyOtherMessage(engine, storedName, last, message);
    return message;
}

}  // namespace

void PrepareEventMessage(Engine& engine) {
    EngineState& s = engine.state;
    Request& r = s.request;
    r.OutputPhrase =
        EventMessage(engine, r.EventName, s.lonely.speaking ? s.lonely.userKey : r.UserKey);
}

std::optional<QString> DefaultEventText(const QString& line) {
    const QString text = line.trimmed();
    if (!text.startsWith(kDefaultText) || !text.endsWith(QLatin1String("[SYSMSG]")))
        return std::nullopt;
    return QString(text).remove(QLatin1String("[SYSMSG]")).trimmed();
}

QString PrepareEventReply(Engine& engine, const QString& eventName, const QString& addressee) {
    const QString message = EventMessage(engine, eventName, EncodeNick(addressee));
    if (const auto text = DefaultEventText(message)) return *text;
    const QString line = ReplaceSynonymsInOutput(engine, message.toUpper()).toLower();
    return PrepareOutputLine(engine, line, addressee);
}
