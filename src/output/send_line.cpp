#include "send_line.h"

#include "engine/console_log.h"
#include "engine/contains.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"
#include "engine/log_files.h"
#include "engine/time_text.h"
#include "event_message.h"
#include "output_line.h"
#include "output_synonyms.h"
#include "typing_delay.h"

namespace {

QString KindName(TargetKind kind) {
    switch (kind) {
        case TargetKind::Channel:
            return QStringLiteral("channel");
        case TargetKind::HighlightedChannel:
            return QStringLiteral("channel + highlight");
        case TargetKind::Private:
            return QStringLiteral("private");
        case TargetKind::Local:
            break;
    }
    return QStringLiteral("local");
}

// The marker "[ACTION]" in any case; the line goes out as an IRC action without it.
bool TakeActionMarker(QString& line) {
    if (!Contains(line, QStringLiteral("[ACTION]"))) return false;
    line.remove(QLatin1String("[action] "), Qt::CaseInsensitive);
    line.remove(QLatin1String("[action]"), Qt::CaseInsensitive);
    return true;
}

void SendByKind(Engine& engine, const OutgoingLine& out, const QString& text, bool action) {
    IrcSender& irc = *engine.out.irc;
    if (out.kind != TargetKind::Local) {
        const QString to = out.kind == TargetKind::Private ? out.addressee : out.target;
        action ? irc.SendAction(to, text) : irc.SendPrivmsg(to, text);
    } else {
        engine.out.additional->showChatView();
    }
}

void ShowInChatView(Engine& engine, const OutgoingLine& out, const QString& shown) {
    const Settings& settings = engine.state.settings;
    if (settings.showOnlyLocalChat && out.kind != TargetKind::Local) return;
    const QString stamp = LongTimeText(engine.out.clock->now().time()) + " > " + settings.nickname;
    static const QStringList marks = {".", "!", "?"};
    engine.out.additional->chatLine(
        marks.contains(shown) ? stamp + " > " + ConversationName(out.target, out.addressee) + shown
                              : stamp + " > " + out.addressee + " : " + shown);
    PlayCue(engine, "ltt.wav");
}

}  // namespace

PreparedLine PrepareLine(Engine& engine, const OutgoingLine& out) {
    const Settings& settings = engine.state.settings;
    PreparedLine prepared;
    if (settings.quietProcessingModeInIrc && out.kind != TargetKind::Local) {
        ConsoleLine(engine,
                    "A.I. > Unable to respond, because quiet processing mode in IRC is enabled.");
        prepared.fate = PreparedLine::Fate::Quiet;
        return prepared;
    }
    engine.out.console->setColour(ConsoleColour::Green);
    DetailLine(engine, "A.I. > Output target type: " + KindName(out.kind));
    // A line of blanks, or only the event marker, has nothing to say.
    if (QString(out.line)
            .remove(QLatin1String("[SYSMSG]"), Qt::CaseInsensitive)
            .trimmed()
            .isEmpty())
        return prepared;
    if (const std::optional<QString> defaultText = DefaultEventText(out.line)) {
        prepared.lengthBefore = out.line.size();
        prepared.text = *defaultText;
    } else {
        const QString line = ReplaceSynonymsInOutput(engine, out.line.toUpper()).toLower();
        prepared.lengthBefore = line.size();
        prepared.text = PrepareOutputLine(engine, line, out.addressee);
    }
    prepared.fate = PreparedLine::Fate::Send;
    if (settings.typingSimulation) {
        DetailLine(engine, "A.I. > Processing output with " +
                               QString::number(prepared.lengthBefore) + " symbols..");
        prepared.typingMs = TypingDelayMs(prepared.text, engine.out.random->bounded(20));
    }
    return prepared;
}

void SendPreparedLine(Engine& engine, const OutgoingLine& out, const PreparedLine& prepared) {
    if (prepared.fate == PreparedLine::Fate::Quiet) return;
    const Settings& settings = engine.state.settings;
    if (prepared.fate == PreparedLine::Fate::Send) {
        QString text = prepared.text;
        const bool action = TakeActionMarker(text);
        if (out.kind == TargetKind::HighlightedChannel && out.number == 1 && !action &&
            !Contains(text, out.addressee))
            text = out.addressee + ": " + text;
        SendByKind(engine, out, text, action);
        DetailLine(engine, "A.I. > Added " +
                               QString::number(qAbs(prepared.text.size() - prepared.lengthBefore)) +
                               " additional symbols after output correction.");
        SaveOutputContext(engine, out.userKey, out.line, OutputContextForm::Basic);
        const QString shown = action ? "*" + settings.nickname + ' ' + text : text;
        ShowInChatView(engine, out, shown);
        ChatLogLine(engine, out.kind, out.target, settings.nickname, out.addressee, shown,
                    ChatLineKind::Answer);
    } else {
        DetailLine(engine, "A.I. > Added 0 additional symbols after output correction.");
    }
    engine.out.console->setColour(ConsoleColour::Lime);
}
