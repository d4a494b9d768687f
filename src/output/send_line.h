#pragma once

#include "engine/request_kinds.h"

#include <QString>

class Engine;

// One answer line on its way from the mmas row to its target.
struct OutgoingLine {
    QString line;  // as taken from the row
    TargetKind kind = TargetKind::Local;
    QString target;     // channel, or the addressee
    QString addressee;  // plain nick
    QString userKey;    // the addressee in nick encoding
    int number = 1;     // 1 for the first line of the answer
};

// The line as it will be sent once it has been "typed".
struct PreparedLine {
    enum class Fate { Quiet, Empty, Send } fate = Fate::Empty;
    QString text;
    qsizetype lengthBefore = 0;  // before preparation
    int typingMs = 0;
};

// First half of sending a line: quiet mode, synonyms in the output, preparation and the typing
// delay to wait before the second half.
PreparedLine PrepareLine(Engine& engine, const OutgoingLine& out);
// Second half: sends the prepared line to its target, shows it in the additional console's chat
// view, remembers it as the last output and writes it to the chat log.
void SendPreparedLine(Engine& engine, const OutgoingLine& out, const PreparedLine& prepared);
