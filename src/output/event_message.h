#pragma once

#include <QString>

#include <optional>

class Engine;

// Turns the current EventName into the answer text OutputPhrase: one of the event's stored
// messages, drawn at random and never the same as the character's last output to the addressee
// when the event has another one (the addressee is the current user, or the user Lonely Talking
// speaks to). An event name holding "M_QUERY_THIS_TEXT" is itself the text. Every event answer
// ends with the marker " [SYSMSG]".
void PrepareEventMessage(Engine& engine);

// The default text of an event without a message ("SYSTEM MESSAGE: " and the event name) goes out
// as it stands instead of being prepared like a message, so that the owner reads exactly which
// event wants one. Returns it without the event marker, or nothing for any other line (a taught
// answer that happens to begin with the same words carries no event marker).
std::optional<QString> DefaultEventText(const QString& line);

// The event message as a finished one-line text for `addressee` (a plain nick), for use outside
// the delivery: a kick or ban reason, a quit message.
QString PrepareEventReply(Engine& engine, const QString& eventName, const QString& addressee);
