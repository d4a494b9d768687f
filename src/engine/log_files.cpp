#include "log_files.h"

#include "console_log.h"
#include "engine.h"
#include "text_files.h"
#include "text_rules.h"

#include <QDir>
#include <QFileInfo>

namespace {

// "DD.MM.YYYY AT HH:MM:SS", the stamp every log line starts with.
QString Stamp(const Engine& engine) {
    return engine.out.clock->now().toString("dd.MM.yyyy 'AT' hh:mm:ss");
}

// The file of a conversation in Logs/Chat or Logs/NLP.
QString LogFile(const Engine& engine, const char* folder, const QString& name) {
    return engine.home.path(QStringLiteral("Logs/%1").arg(folder)) + '/' + name + ".log";
}

QString ChatLogFile(const Engine& engine, const QString& replyTarget, const QString& nick) {
    return LogFile(engine, "Chat", ConversationName(replyTarget, nick));
}

QString NlpLogFile(const Engine& engine, const QString& replyTarget, const QString& nick) {
    return LogFile(engine, "NLP", ConversationName(replyTarget, nick));
}

// Log lines carry no control characters: what users send and what the brain holds may. The
// folders come with the installation; one deleted by hand is made again rather than failing
// every line of every conversation. Only a failed write looks for it: every cycle writes
// several lines.
void AppendLogText(Engine& engine, const QString& path, const QString& text) {
    const QByteArray bytes = WithoutControls(text, u"\t\n").toUtf8();
    try {
        engine.logs.append(path, bytes);
    } catch (const TextFileError&) {
        const QString dir = QFileInfo(path).path();
        if (QFileInfo::exists(dir) || !QDir().mkpath(dir)) throw;
        engine.logs.append(path, bytes);
    }
}

void CreateWithFirstLine(Engine& engine, const QString& path, const QString& firstLine) {
    if (!QFileInfo::exists(path)) AppendLogText(engine, path, firstLine + '\n');
}

QString PrivilegeWord(Privilege privilege) {
    static const QString words[] = {"basic user", "owner/coowner", "super moderator",
                                    "basic moderator", "ignored"};
    return words[int(privilege)];
}

}  // namespace

QString ConversationName(const QString& replyTarget, const QString& nick) {
    QString name = replyTarget.contains('#') ? replyTarget : nick;
    name.remove('\\').remove('/').remove('|').replace('*', '_');
    return name.isEmpty() ? QStringLiteral("_") : name;
}

void EnsureConversationLogs(Engine& engine, const QString& replyTarget, const QString& nick) {
    const QString stamp = Stamp(engine);
    try {
        CreateWithFirstLine(engine, ChatLogFile(engine, replyTarget, nick),
                            "CHAT LOG CREATED IN: " + stamp);
        CreateWithFirstLine(engine, NlpLogFile(engine, replyTarget, nick),
                            "NLP LOG CREATED IN: " + stamp);
    } catch (const TextFileError& error) {
        ConsoleLine(engine, "A.I. > Error: " + QString::fromUtf8(error.what()));
    }
}

void ChatLogLine(Engine& engine, TargetKind kind, const QString& replyTarget, const QString& nick,
                 const QString& addressee, const QString& text, ChatLineKind lineKind) {
    QString line;
    if (kind == TargetKind::Local) {
        // On the local console the character's side carries the "(LOCAL)" tag.
        line = lineKind == ChatLineKind::Input ? nick + " > " + addressee + " (LOCAL) > " + text
                                               : nick + " (LOCAL) > " + addressee + " > " + text;
    } else if (kind == TargetKind::HighlightedChannel) {
        line = nick + " > " + addressee + " > " + text;
    } else {
        line = nick + " > " + text;
    }
    const QString conversationNick = lineKind == ChatLineKind::Input ? nick : addressee;
    AppendLogText(engine, ChatLogFile(engine, replyTarget, conversationNick),
                  Stamp(engine) + " | " + line + '\n');
}

void NlpLogEntry(Engine& engine) {
    const EngineState& s = engine.state;
    const Request& r = s.request;
    const QString received = s.loggedInput.isEmpty() ? "unknown input" : s.loggedInput.toLower();
    AppendLogText(
        engine, NlpLogFile(engine, r.ReplyTarget, r.UserNick),
        Stamp(engine) + " | " + r.UserNick + " | User privileges: " + PrivilegeWord(r.Privilege) +
            " | User personality: " + r.Personality.toLower() + " | Current daytime: " +
            r.Daytime.toLower() + " | Current category: " + r.Category.toLower() + '\n' +
            "System language: " + (s.settings.latvianLanguageMode ? "latvian" : "english") +
            " | System received: " + received);
}

void NlpLogResponse(Engine& engine, const QString& answer) {
    const Request& r = engine.state.request;
    QString response = answer;
    ApplyInOrder(response, {{u" !", u"!"}, {u" ?", u"?"}, {u" , ", u", "}});
    AppendLogText(engine, NlpLogFile(engine, r.ReplyTarget, r.UserNick),
                  " | System response: " + response.trimmed().toLower() + '\n');
}
