#pragma once

#include "reply_groups.h"

#include <QStringList>

// The help commands, in the order the dispatch tests them.
const QStringList& HelpCommands();

// The lines of a help command in their groups, `homepage` put in where the texts name the
// project's homepage; empty for a text that is no help command.
QList<ReplyGroup> HelpText(const QString& command, const QString& homepage);
