#include "log_files.h"

#include "engine.h"

QString ConversationName(const QString& replyTarget, const QString& nick) {
    QString name = replyTarget.contains('#') ? replyTarget : nick;
    name.remove('\\').remove('/').remove('|').replace('*', '_');
    return name;
}

void EnsureConversationLogs(Engine&, const QString&, const QString&) {}

void ChatLogLine(Engine&, int, const QString&, const QString&, const QString&, ChatLineKind) {}

void NlpLogEntry(Engine&) {}

void NlpLogResponse(Engine&, const QString&) {}
