#include "membership.h"

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "engine/brain_outage.h"
#include "engine/console_log.h"
#include "engine/engine.h"
#include "irc_client.h"
#include "join_notices.h"
#include "nick_rename.h"

#include <QTimer>

#include <algorithm>

ChannelMembership::ChannelMembership(Engine& engine, IrcClient& client, int rejoinAfterKickMs)
    : e_(engine), client_(client), rejoinAfterKickMs_(rejoinAfterKickMs) {
    // A failed statement ends the handler with a console line.
    const auto handle = [this](const std::function<void()>& work) { RunTimerWork(e_, work); };
    using S = const QString&;
    connect(&client_, &IrcClient::joined, this,
            [=, this](S channel) { handle([&] { ircJoined(channel); }); });
    connect(&client_, &IrcClient::parted, this,
            [=, this](S channel) { handle([&] { ircParted(channel); }); });
    connect(&client_, &IrcClient::kicked, this,
            [=, this](S, S channel, S) { handle([&] { ircKicked(channel); }); });
    connect(&client_, &IrcClient::invited, this,
            [=, this](S, S, S channel) { handle([&] { ircInvite(channel); }); });
    connect(&client_, &IrcClient::ownNickChanged, this,
            [=, this](S oldNick, S newNick) { handle([&] { ownNickChanged(oldNick, newNick); }); });
    connect(&client_, &IrcClient::userJoined, this, [=, this](S nick, S address, S channel) {
        handle([&] { ircJoin(nick, address, channel); });
    });
    connect(&client_, &IrcClient::userParted, this,
            [=, this](S nick, S, S channel, S) { handle([&] { ircPart(nick, channel); }); });
    connect(&client_, &IrcClient::userKicked, this,
            [=, this](S channel, S nick, S, S) { handle([&] { ircKick(channel, nick); }); });
    connect(&client_, &IrcClient::userQuit, this,
            [=, this](S nick, S, S) { handle([&] { ircQuit(nick); }); });
    connect(&client_, &IrcClient::nickChanged, this, [=, this](S oldNick, S address, S newNick) {
        handle([&] { ircNickChange(oldNick, address, newNick); });
    });
    connect(&client_, &IrcClient::disconnected, this,
            [=, this] { handle([this] { ForgetOnlineUsers(); }); });
}

void ChannelMembership::ForgetOnlineUsers() {
    e_.db.execute("TRUNCATE TABLE users_online");
}

void ChannelMembership::onlineUsersChanged() {
    DetailLine(e_, "A.I. > Online user list information changed.");
}

void ChannelMembership::cue(const QString& icon, bool evenWhilePaused) {
    if (evenWhilePaused || !e_.state.paused) emit trayCue(icon);
}

void ChannelMembership::addOnlineUser(const QString& user, const QString& channel) {
    RemoveOnlineUser(e_.db, user, channel);
    e_.db.execute("INSERT INTO users_online (`user`, `channel`) VALUES (?, ?)", {user, channel});
}

// ---- the character's own joins and parts ----

void ChannelMembership::ircJoined(const QString& channel) {
    rememberChannel(channel);
    if (client_.features().sameName(channel, e_.state.settings.defaultJoinChannel.trimmed()))
        joinRememberedChannels();
    // Our own row carries the nick we have, as it stands.
    addOnlineUser(client_.currentNick(), channel);
    ConsoleLine(e_, "A.I. > Channel: " + channel + " joined.");
    onlineUsersChanged();
    AnnounceJoin(e_, channel);
}

// system_channels keeps a channel once, however the server cases its name.
void ChannelMembership::rememberChannel(const QString& channel) {
    Query& db = e_.db;
    db.open("SELECT channel FROM system_channels");
    for (db.first(); !db.eof(); db.next())
        if (client_.features().sameName(db.field("channel"), channel)) return;
    db.execute("INSERT INTO system_channels (`channel`) VALUES (?)", {channel});
}

// Through the send queue, like every line, so a long list never floods the server.
void ChannelMembership::joinRememberedChannels() {
    QStringList remembered;
    Query& db = e_.db;
    db.open("SELECT channel FROM system_channels");
    for (db.first(); !db.eof(); db.next())
        remembered << db.field("channel");
    if (remembered.size() <= 1) return;
    ConsoleLine(e_, "A.I. > Joining also other channels..");
    const QStringList in = client_.channels();
    for (const QString& channel : remembered) {
        const bool already = std::any_of(in.begin(), in.end(), [&](const QString& joined) {
            return client_.features().sameName(joined, channel);
        });
        if (!already) e_.out.irc->JoinChannel(channel);
    }
}

void ChannelMembership::ircParted(const QString& channel) {
    e_.db.execute("DELETE FROM users_online WHERE channel=?", {channel});
    onlineUsersChanged();
}

void ChannelMembership::ircKicked(const QString& channel) {
    ircParted(channel);
    if (!e_.state.settings.allowRejoinAfterKick) return;
    if (!limits_.mayRejoin(client_.features().fold(channel), e_.out.clock->now())) {
        ConsoleLine(e_, "A.I. > Kicked from " + channel + " " +
                            QString::number(JoinLimits::kKicksBeforeStaying) +
                            " times within 5 minutes: not joining it again.");
        return;
    }
    QTimer::singleShot(rejoinAfterKickMs_, this, [this, channel] {
        if (client_.isRegistered()) e_.out.irc->JoinChannel(channel);
    });
}

void ChannelMembership::ircInvite(const QString& channel) {
    if (!e_.state.settings.allowAutoJoinOnInvite) return;
    if (!limits_.mayFollowInvite(e_.out.clock->now())) {
        DetailLine(e_, "A.I. > Invitation to " + channel +
                           " not followed: one a minute is followed at most.");
        return;
    }
    e_.out.irc->JoinChannel(channel);
}

void ChannelMembership::ownNickChanged(const QString& oldNick, const QString& newNick) {
    e_.db.execute("UPDATE users_online SET user=? WHERE " + kExactUser,
                  {newNick, oldNick, oldNick});
}

// ---- the others ----

void ChannelMembership::ircJoin(const QString& nick, const QString& address,
                                const QString& channel) {
    if (!e_.state.paused) {
        e_.stages.CheckJoin(e_, nick, address, channel);
        cue(QStringLiteral("icons/green.ico"));
    }
    addOnlineUser(EncodeNick(nick), channel);
    onlineUsersChanged();
}

void ChannelMembership::ircPart(const QString& nick, const QString& channel) {
    cue(QStringLiteral("icons/blue.ico"));
    const QString user = EncodeNick(nick);
    e_.stages.UnwatchUser(e_, user);
    RemoveOnlineUser(e_.db, user, channel);
    onlineUsersChanged();
}

void ChannelMembership::ircKick(const QString& channel, const QString& nick) {
    const QString user = EncodeNick(nick);
    RemoveOnlineUser(e_.db, user, channel);
    onlineUsersChanged();
}

void ChannelMembership::ircQuit(const QString& nick) {
    cue(QStringLiteral("icons/red.ico"), true);
    const QString user = EncodeNick(nick);
    e_.stages.UnwatchUser(e_, user);
    e_.db.execute("DELETE FROM users_online WHERE " + kExactUser, {user, user});
    onlineUsersChanged();
}

void ChannelMembership::ircNickChange(const QString& oldNick, const QString& address,
                                      const QString& newNick) {
    cue(QStringLiteral("icons/yellow.ico"));
    RenameUser(e_, oldNick, newNick);
    Settings& s = e_.state.settings;
    const bool kicked = e_.stages.CheckNickChange(e_, oldNick, address, newNick);
    // Only the owner proved by the services account takes the owner's nickname along.
    Request& r = e_.state.request;
    r = Request{};
    r.UserNick = newNick;
    r.UserKey = EncodeNick(newNick);
    r.UserAddress = address;
    if (!kicked && oldNick == s.ownersNickname && e_.stages.OwnerIdentityVerified(e_))
        s.ownersNickname = newNick;
    onlineUsersChanged();
}
