#pragma once

#include <QString>

#include <optional>

class Engine;
class ReplyPacer;

// One recognised !command being carried out for the current input.
struct CommandCall {
    Engine& e;
    const QString& command;  // the command's text, "!SET COWNER"
    qsizetype at;            // where it stands (0-based) in the text it was recognised in
    ReplyPacer& pacer;

    // What follows the command in the message as received.
    QString rawAfter() const;
    // What follows the command in the upper-cased phrase.
    QString phraseAfter() const;
    // A private message, an action or a notice to the user who typed the command.
    void reply(const QString& text) const;
    void action(const QString& text) const;
};

// The one nick a command names: the text trimmed, nothing when it is empty or holds a blank.
std::optional<QString> OneNick(const QString& text);

// The two replies about a nick the character cannot place.
void DoesNotKnow(const CommandCall& call, const QString& nick);
