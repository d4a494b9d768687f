#include "irc_link.h"

#include "irc_client.h"

// Lines handed over before 001 would be lost with a link that fails during registration, so the
// engine counts as connected only once the server has taken us in.
bool IrcLink::IsConnected() const {
    return client_.isRegistered();
}

qsizetype IrcLink::QueuedLines() const {
    return client_.queuedLines();
}

QString IrcLink::CurrentNick() const {
    return client_.currentNick();
}

bool IrcLink::SameName(const QString& a, const QString& b) const {
    return client_.features().sameName(a, b);
}

void IrcLink::SendRawLine(const QString& line) {
    client_.sendRaw(line);
}

void IrcLink::SendPrivmsg(const QString& target, const QString& text) {
    client_.sendPrivmsg(target, text);
}

void IrcLink::SendNotice(const QString& target, const QString& text) {
    client_.sendNotice(target, text);
}

void IrcLink::SendAction(const QString& target, const QString& text) {
    client_.sendAction(target, text);
}

void IrcLink::JoinChannel(const QString& channel) {
    client_.join(channel);
}

void IrcLink::PartChannel(const QString& channel, const QString& reason) {
    client_.part(channel, reason);
}

void IrcLink::KickUser(const QString& channel, const QString& nick, const QString& reason) {
    client_.kick(channel, nick, reason);
}

void IrcLink::SendQuit(const QString& reason) {
    client_.quit(reason);
}

void IrcLink::ChangeNick(const QString& nick) {
    client_.changeNick(nick);
}
