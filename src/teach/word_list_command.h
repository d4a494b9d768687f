#pragma once

#include "command_reply.h"

#include <QString>

#include <functional>
#include <optional>

class Engine;

// Where a word-list value is kept, and the value as it is stored.
struct WordListEntry {
    QString table;
    QString column;
    QString value;
};

// One of the chat commands that teach a word list or erase from it. They all take the same
// steps; a command names its token and noun and fills in the parts in which it differs.
struct WordListCommand {
    QString token{};  // "[POSITIVE]"
    QString noun{};   // "positive word(s)"
    bool erasing = false;
    // The entry the command is about, from the phrase with its token taken out; none when the
    // phrase holds no command after all.
    std::function<std::optional<WordListEntry>(Engine&, const QString& rest)> entry{};
    // A refusal of this command's own, checked once the user may change word lists.
    std::function<std::optional<CommandReply>(Engine&, const WordListEntry&)> refusal{};
    // Erasing: what happens between finding the entry and deleting it; returns true when it
    // ended the command.
    std::function<bool(Engine&, const WordListEntry&)> beforeDelete{};
    // Erasing: what follows the delete.
    std::function<void(Engine&, const WordListEntry&)> afterDelete{};
    QString successEvent{};
    // Teaching: the training notice on success; "learned new " noun "." when not filled in.
    std::function<QString(const WordListEntry&)> learnedNotice{};
};

// Carries out the command when the current phrase holds its token.
void RunWordListCommand(Engine& engine, const WordListCommand& command);
