#pragma once

#include <QString>

class Engine;

enum class ChatLineKind { Input, Answer };

// The name both log files of a conversation carry: the channel, or else the user's nick.
QString ConversationName(const QString& replyTarget, const QString& nick);
// Creates the chat log and the NLP log of the conversation with their first lines when missing.
void EnsureConversationLogs(Engine& engine, const QString& replyTarget, const QString& nick);
// Appends one line of the dialogue to the chat log.
void ChatLogLine(Engine& engine, int kind, const QString& nick, const QString& addressee,
                 const QString& text, ChatLineKind lineKind);
// Writes the NLP-log entry of the current request; its last line stays open for the answer.
void NlpLogEntry(Engine& engine);
// Completes the open NLP-log line with the prepared answer.
void NlpLogResponse(Engine& engine, const QString& answer);
