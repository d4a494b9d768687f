#pragma once

#include "engine/outside.h"
#include "engine/stores.h"
#include "irc_client.h"
#include "membership.h"

#include <QHash>
#include <QObject>
#include <QTimer>

#include <functional>

class Engine;

// The online lifecycle's pauses. The defaults are the ones to run with; tests shorten them.
struct OnlineTimings {
    int joinerMs = 6000;            // between tries to join the default channel
    int connectionCheckMs = 30000;  // irc_ccheck
    int readyAgainMs = 3000;        // Timer4: back to the ready state after a stop
    int autostartPauseMs = 1000;    // between "Enabled autostart function." and connecting
    int accountAnswerMs = 5000;     // how long the owner's message waits for the WHOIS answer
    int leaveMs = 5000;             // how long leaving may wait for the QUIT to reach the server
    int rejoinAfterKickMs = 5000;   // before joining a channel again after a kick
    IrcTimings client;              // the client's own
};

// The character's life on IRC on top of the client: the connect procedure with its two attempts
// and its callers (the Start control, the automatic start-up, the reconnect timer irc_connector),
// the joiner of the default channel, Pause and resume, Stop with the quit message, the connection
// check irc_ccheck, and the handlers of the client's events that belong to the online life. The
// connection settings are read anew, from the settings and Main/Irc.ini, for every connection.
class IrcOnline : public QObject {
    Q_OBJECT
  public:
    IrcOnline(Engine& engine, IrcClient& client, OnlineTimings timings = {});

    // The controls: "Start Artificial Intelect", "Pause Artificial Intelect" (and "Resume ..."),
    // "Stop Artificial Intelect".
    void StartArtificialIntelect();
    void PauseArtificialIntelect();
    void StopArtificialIntelect();
    // The console's start-up step: the Start control is offered, and with "Automatic Q.I.V.O™
    // Startup" checked the character goes online.
    void StartUpStep();
    // The program ends: Stop when connected, then `done` once the QUIT has reached the server,
    // or at once when offline.
    void Leave(const std::function<void()>& done);

    // Whether `nick` is logged in to the owner's services account (owner_account of Irc.ini, or
    // the owner's nickname when that is empty).
    bool OwnerIdentityVerified(const QString& nick) const;
    // The address ("ident@host") the server shows for `nick` while we see the user; empty else.
    QString AddressOf(const QString& nick) const { return client_.addressOf(nick); }
    int ChannelNameLimit() const { return client_.features().channelLength(); }
    const OnlineControls& controls() const { return controls_; }
    ChannelMembership& membership() { return membership_; }

    QTimer irc_ccheck;
    QTimer irc_connector;
    QTimer joiner;
    QTimer Timer4;

  signals:
    void controlsChanged(const OnlineControls& controls);
    // A channel or private message passed the front end on its way to the cycle.
    void messageTaken();

  private:
    enum class Caller { Controls, AutomaticStartup, Reconnect };

    void connectProcedure(Caller caller);
    void attemptFailed(const QString& reason);
    void procedureFailed();
    void ircConnected();
    void ircDisconnected(const QString& reason);
    void ircRegistered();
    void ircJoined(const QString& channel);
    void ircJoinRefused(const QString& channel, const QString& text);
    void ircPingPong();
    void ircMessage(const QString& nick, const QString& address, const QString& text,
                    const QString& channel);
    void ircIdentified();
    void joinerTimer();
    void irc_ccheckTimer();
    void irc_connectorTimer();
    void Timer4Timer();
    void automaticStartup();
    void goOnline();
    void waitToReconnect(bool toLog);
    void holdForAccount(const TInput& input);
    void releaseHeld(const QString& nick);
    void setControls(const OnlineControls& controls);
    // Runs an event handler; a failed statement ends it with a console line.
    void guarded(const std::function<void()>& work);

    Engine& e_;
    IrcClient& client_;
    OnlineTimings timings_;
    ChannelMembership membership_;
    OnlineControls controls_;
    IrcConnectSettings connectSettings_;  // of the procedure under way, for its second attempt
    QString ownerAccount_;                // from Irc.ini at the last connect
    int attempt_ = 0;                     // 1 or 2 while a connect attempt runs, else 0
    Caller caller_ = Caller::Controls;
    QString lastDisconnection_;                     // why the link went, for the connection check
    QHash<QString, QList<TInput>> heldForAccount_;  // by folded nick
};
