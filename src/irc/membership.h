#pragma once

#include "join_limits.h"

#include <QObject>
#include <QString>

class Engine;
class IrcClient;

// Who is where: the handlers of the client's membership events keep users_online (one row a
// user and channel, the character's own under its nick as it stands) and system_channels (every
// channel the character joined, joined again with the default channel), follow nick changes
// through the stores and tables, end the Lonely Talking watch of a user who leaves, and follow
// kicks and invites within their limits.
class ChannelMembership : public QObject {
    Q_OBJECT
  public:
    ChannelMembership(Engine& engine, IrcClient& client, int rejoinAfterKickMs);

    // Nobody is known to be online: at every start-up and whenever the link is gone.
    void ForgetOnlineUsers();

  signals:
    // The tray icon blinks in the colour of a membership event: "icons/green.ico" for a join,
    // "icons/blue.ico" for a part, "icons/yellow.ico" for a nick change, "icons/red.ico" for a
    // quit.
    void trayCue(const QString& icon);

  private:
    void ircJoined(const QString& channel);
    void ircParted(const QString& channel);
    void ircJoin(const QString& nick, const QString& address, const QString& channel);
    void ircPart(const QString& nick, const QString& channel);
    void ircKick(const QString& channel, const QString& nick);
    void ircQuit(const QString& nick);
    void ircNickChange(const QString& oldNick, const QString& address, const QString& newNick);
    void ownNickChanged(const QString& oldNick, const QString& newNick);
    void ircKicked(const QString& channel);
    void ircInvite(const QString& channel);

    void rememberChannel(const QString& channel);
    void joinRememberedChannels();
    void addOnlineUser(const QString& user, const QString& channel);
    void onlineUsersChanged();
    void cue(const QString& icon, bool evenWhilePaused = false);

    Engine& e_;
    IrcClient& client_;
    int rejoinAfterKickMs_;
    JoinLimits limits_;
};
