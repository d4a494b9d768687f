#pragma once

#include "request_kinds.h"

#include <QString>

class Engine;

enum class ChatLineKind { Input, Answer };

// The name both log files of a conversation carry: the channel, or else the user's nick. Path
// separators and "|" are dropped and "*" becomes "_"; a name left empty becomes "_", so a log
// never lands outside its folder.
QString ConversationName(const QString& replyTarget, const QString& nick);
// Creates the chat log and the NLP log of the conversation with their first lines when missing.
// Called while an input is queued: a file that cannot be written is reported on the console
// and the input is queued all the same.
void EnsureConversationLogs(Engine& engine, const QString& replyTarget, const QString& nick);
// Appends one line of the dialogue to the chat log of the conversation with `replyTarget`.
// `nick` speaks the line and `addressee` hears it: for an input the user and the character,
// for an answer the character and the user. Throws TextFileError.
void ChatLogLine(Engine& engine, TargetKind kind, const QString& replyTarget, const QString& nick,
                 const QString& addressee, const QString& text, ChatLineKind lineKind);
// Writes the NLP-log entry of the current request; its last line stays open for the answer and
// the next entry of the file continues it when no answer comes. Throws TextFileError.
void NlpLogEntry(Engine& engine);
// Completes the open NLP-log line of the current request's conversation with the prepared
// answer, tightened before its marks and in lower case. Throws TextFileError.
void NlpLogResponse(Engine& engine, const QString& answer);
