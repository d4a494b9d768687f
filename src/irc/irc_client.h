#pragma once

#include "irc_accounts.h"
#include "irc_features.h"
#include "irc_line.h"
#include "irc_send_queue.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>

#include <optional>

class QSslSocket;

// Where and as whom the client connects.
struct IrcConnectSettings {
    QString host;
    quint16 port = 6667;
    QString nick;
    QString alternativeNick = "QIVO3";  // taken once when the server refuses `nick`
    QString username = "Q.I.V.O.3";
    QString realName = "A.I.";
    QString nickServPassword;  // SASL PLAIN or "PRIVMSG NickServ :IDENTIFY"; never PASS
    QString serverPassword;    // PASS, only when not empty
    bool sasl = true;          // false: never ask for SASL, identify with NickServ
    bool tls = false;
    bool tlsVerify = true;
    QString caFile;  // PEM certificates trusted besides the system's
};

// The client's intervals. The defaults are the ones to run with; tests shorten them.
struct IrcTimings {
    int connectTimeoutMs = 30000;   // TCP (and TLS) must be up within this
    int idleBeforePingMs = 120000;  // silence from the server before we send our own PING
    int pingReplyMs = 60000;        // then further silence after which the link counts as dead
    int sendBurstLines = 4;
    int sendIntervalMs = 1000;        // after the burst, one line per interval
    int ctcpReplyIntervalMs = 10000;  // at most one CTCP reply per user per interval
    int nickRegainMs = 60000;         // how often we ask for our configured nick back
    int closeGraceMs = 3000;          // how long a polite close may take before we cut it
};

// The IRC client layer: one connection, registered with CAP/SASL or NickServ, one send queue
// that never floods and never sends an overlong line, and every received line parsed and turned
// into signals. Runs in Qt's event loop; nothing blocks.
//
// How our lines are cut: the server relays our line to others as
//   ":nick!user@host " + line + CRLF
// which must fit 512 bytes. The prefix length is exact once the server has shown us our own
// "nick!user@host" (001's welcome text, the echo of our JOIN or NICK, 396 for a new displayed
// host); until then it is estimated from our nick, USERLEN (10 by default, one more for the "~"
// of an unchecked ident, at least our username) and HOSTLEN (63 by default).
class IrcClient : public QObject {
    Q_OBJECT

  public:
    static inline const QString kCtcpReplyText = QStringLiteral("Q.I.V.O™ Quenmark Talvane™");

    explicit IrcClient(QObject* parent = nullptr);
    ~IrcClient() override;

    void setTimings(const IrcTimings& timings);
    const IrcTimings& timings() const { return timings_; }

    // Opens the connection and registers. A call while connected closes the old link first.
    void connectToServer(const IrcConnectSettings& settings);
    // Closes the connection, letting lines already written reach the server.
    void disconnectFromServer();
    // True from TCP (and TLS) up until the link is gone or we are quitting.
    bool isConnected() const;
    // True while no link is open, not even one being closed.
    bool isOffline() const { return state_ == State::Offline; }
    // True after 001, until the link is gone or we are quitting.
    bool isRegistered() const { return state_ == State::Registered && !quitting_; }
    // The nick the server says we have; while offline, the nick we will ask for.
    QString currentNick() const;
    // While connected asks for the nick at once and keeps asking for it; otherwise it is the nick
    // of the next registration.
    void changeNick(const QString& nick);

    // Operations; all go through the send queue, and lines given before 001 wait for it. Nothing
    // is sent while offline. A target or channel that holds blanks, commas where one name is
    // meant, or line breaks is refused.
    void sendRaw(const QString& line);
    // Long text becomes several lines; line breaks in the text start a new line.
    void sendPrivmsg(const QString& target, const QString& text);
    void sendNotice(const QString& target, const QString& text);
    void sendAction(const QString& target, const QString& text);
    void join(const QString& channel, const QString& key = QString());
    void part(const QString& channel, const QString& reason = QString());
    void kick(const QString& channel, const QString& nick, const QString& reason = QString());
    // Drops every waiting line, sends QUIT as soon as the send governor lets it go and closes
    // the link; nothing else is sent meanwhile.
    void quit(const QString& reason);
    // Asks the server which account `nick` is logged in as; accountKnown follows.
    void whois(const QString& nick);

    const IrcFeatures& features() const { return features_; }
    // The services account we are logged in as; empty when not identified.
    const QString& account() const { return account_; }
    // The account `nick` is logged in as ("" for none); nothing when we do not know it now.
    std::optional<QString> accountOf(const QString& nick) const;
    // The "user@host" the server last showed for `nick` in a line of the user's, a WHO or a WHOIS
    // answer; empty when we have not seen it since the user came, or the user left our sight
    // (quit, or parted or was kicked from a channel we share).
    QString addressOf(const QString& nick) const;
    // Whether every line of a user carries the user's account (the IRCv3 account tag).
    bool hasAccountTags() const { return ackedCaps_.contains(QStringLiteral("account-tag")); }
    // The channels we are in, as the server names them.
    QStringList channels() const;
    // Our channel-status modes in a channel ("o", "ov", ""), from its name list and MODE lines.
    QString ownModes(const QString& channel) const;
    qsizetype queuedLines() const { return queue_.size() + heldUntilRegistered_.size(); }
    // The bytes of ":nick!user@host " that our lines are cut for.
    int relayPrefixBytes() const;

  signals:
    // Every line, before any other signal of the same line.
    void received(const IrcLine& line);
    // Every line written to the server, without CR LF; passwords are shown as "****".
    void lineSent(const QString& line);
    void connected();                          // TCP (and TLS) up, before registration
    void registered(const QString& nick);      // 001
    void disconnected(const QString& reason);  // the link is gone, for whatever reason
    void identified(const QString& account);   // 900, or NickServ's "Password accepted"
    // A PRIVMSG that is not a CTCP query; `channel` is empty for a private message.
    void message(const QString& nick, const QString& address, const QString& text,
                 const QString& channel);
    void action(const QString& nick, const QString& address, const QString& text,
                const QString& channel);  // CTCP ACTION
    void notice(const QString& nick, const QString& address, const QString& text,
                const QString& target);
    void userJoined(const QString& nick, const QString& address, const QString& channel);
    void joined(const QString& channel);  // we joined
    void joinRefused(const QString& channel, int numeric, const QString& text);
    void userParted(const QString& nick, const QString& address, const QString& channel,
                    const QString& reason);
    void parted(const QString& channel);                                            // we left
    void kicked(const QString& by, const QString& channel, const QString& reason);  // we were
    void userKicked(const QString& channel, const QString& nick, const QString& by,
                    const QString& reason);
    // Someone else's.
    void nickChanged(const QString& oldNick, const QString& address, const QString& newNick);
    void ownNickChanged(const QString& oldNick, const QString& newNick);
    void nickRefused(const QString& nick, int numeric, const QString& text);
    void userQuit(const QString& nick, const QString& address, const QString& reason);
    void invited(const QString& nick, const QString& address, const QString& channel);
    void pingPong(const QString& token);     // a server PING was answered
    void accountKnown(const QString& nick);  // a WHOIS we asked for has ended
    // A channel's whole name list, at its end (366).
    void namesReply(const QString& channel, const QList<IrcName>& names);
    // A channel MODE line walked into its changes.
    void modeChanged(const QString& channel, const QString& by,
                     const QList<IrcModeChange>& changes);

  private:
    enum class State { Offline, Connecting, Registering, Registered, Closing };

    // Whether the link a handler began on is still there after it raised a signal: a receiver
    // may close it, open another, or delete the client.
    struct SameLink {
        QPointer<const IrcClient> client;
        quint64 generation;
        bool holds() const { return client && client->linkGeneration_ == generation; }
    };
    SameLink sameLink() const { return {this, linkGeneration_}; }
    enum class Sasl { Unused, Requested, Authenticating, Done };

    void onLinkUp();
    void onReadyRead();
    void handleLine(const QString& text);
    void dispatch(const IrcLine& line);
    void closeLink(const QString& reason);

    // One handler a command; each may raise signals, after which the link may be gone.
    void handleCap(const IrcLine& line);
    void requestCapabilities();
    void handleAccount(const IrcLine& line);
    void learnAccountTag(const IrcLine& line);
    void handleWhoisAccount(const IrcLine& line, int numeric);
    void handleAuthenticate(const IrcLine& line);
    void handlePing(const IrcLine& line);
    void handleError(const IrcLine& line);
    void handlePrivmsg(const IrcLine& line);
    void handleNotice(const IrcLine& line);
    void handleJoin(const IrcLine& line);
    void handlePart(const IrcLine& line);
    void handleKick(const IrcLine& line);
    void handleNick(const IrcLine& line);
    void handleQuit(const IrcLine& line);
    void forgetUser(const QString& nick);
    void handleInvite(const IrcLine& line);
    void handleMode(const IrcLine& line);
    void handleNumeric(const IrcLine& line, int numeric);
    void handleWelcome(const IrcLine& line);
    void handleNickRefused(const IrcLine& line, int numeric);
    void replyToCtcp(const QString& nick, const QString& word);
    void finishCapNegotiation();
    void setAccount(const QString& account);
    void regainNick();
    void updateRegainTimer();
    void learnOwnMask(const IrcPrefix& prefix);
    void learnAddress(const QString& nick, const QString& user, const QString& host);
    bool isMe(const QString& nick) const { return features_.sameName(nick, currentNick_); }

    // Queues a line; lines of operations wait for 001, registration lines do not.
    void enqueue(const QString& line, bool waitForRegistration = true);
    void enqueueUrgent(const QString& line);
    void sendText(const QString& command, const QString& target, const QString& text,
                  bool asAction);
    void pumpQueue();
    void writeLine(const QByteArray& line);
    // Bytes one line of ours may have without CR LF.
    int lineBudget() const;
    bool acceptsLines() const {
        return state_ == State::Registering || state_ == State::Registered;
    }

    IrcTimings timings_;
    IrcConnectSettings settings_;
    QSslSocket* socket_ = nullptr;
    State state_ = State::Offline;
    quint64 linkGeneration_ = 0;  // changes whenever a link begins or ends
    QByteArray inBuffer_;
    QString closeReason_;  // the server's ERROR text, or the reason we closed
    QString tlsErrors_;    // why the server's certificate was refused

    QString wantedNick_;   // the configured nick (or the last changeNick)
    QString currentNick_;  // the nick the server says we have
    bool triedAlternativeNick_ = false;
    QString ownUser_, ownHost_;  // from our own prefix, once seen
    IrcFeatures features_;
    QString account_;

    bool capNegotiating_ = false;
    bool capRequested_ = false;
    QStringList offeredCaps_;
    QStringList ackedCaps_;
    IrcAccounts accounts_;
    QHash<QString, QString> addresses_;     // folded nick -> "user@host"
    QHash<QString, bool> whoisInProgress_;  // folded nick -> an account line came
    bool quitting_ = false;
    Sasl sasl_ = Sasl::Unused;

    IrcSendQueue queue_;
    QList<QByteArray> heldUntilRegistered_;
    QElapsedTimer clock_;
    QTimer sendTimer_, keepaliveTimer_, connectTimer_, regainTimer_, closeTimer_;
    bool awaitingPong_ = false;
    QHash<QString, qint64> lastCtcpReplyAt_;  // by folded nick

    struct OwnChannel {
        QString name;
        QString modes;
    };
    QHash<QString, OwnChannel> channels_;             // by folded name
    QSet<QString> pendingJoins_;                      // folded names we asked to join
    QHash<QString, QList<IrcName>> namesInProgress_;  // by folded name, until 366
};
