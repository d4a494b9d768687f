#pragma once

class Engine;
class IrcFeatures;
struct IrcLine;
class QString;

// ircReceive: every line the server sends, parsed, before any other handler sees it. Shows the
// line when "Show IRC Received Log Texts" is checked, keeps the bot's operator and voice status
// per channel in IsOpStore, tells the protections which of their bans the server set, and puts
// the names of a channel's name list into users_online. Only what the server says counts: a line
// is read by its command and parameters, nicks and channels compare by the server's case
// mapping, and `ownNick` is the nick the server says we have.
void HandleRawLine(Engine& engine, const IrcLine& line, const IrcFeatures& features,
                   const QString& ownNick);
