#pragma once

#include <QString>
#include <QStringList>

class Engine;

// How a word-list or erasing command ends: the console lines around the event that answers the
// user, and the training notice.
struct CommandReply {
    QStringList before;  // console lines before the event
    QString event;
    QStringList after;  // console lines after it
    QString notice;     // the training notice; none when empty
    // Keeps the input as the user's context (right after the event), so that the command itself
    // becomes his last phrase.
    bool saveContext = false;
};

// Ends the command: writes the lines, raises the event, sends the notice, and marks the input
// answered and handled by an erasing or a teaching stage, which stops the teaching chain.
void EndCommand(Engine& engine, const CommandReply& reply, bool erasing);
