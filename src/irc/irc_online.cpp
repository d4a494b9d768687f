#include "irc_online.h"

#include "brain/query.h"
#include "engine/brain_outage.h"
#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/time_text.h"
#include "irc_config.h"
#include "message_front_end.h"
#include "raw_lines.h"

namespace {

const QString kQuitEvent = QStringLiteral("On Disconnect - Quit Message");

// "3 minutes" for the usual 180 seconds.
QString Interval(int seconds) {
    if (seconds % 60 == 0)
        return QString::number(seconds / 60) + (seconds == 60 ? " minute" : " minutes");
    return QString::number(seconds) + (seconds == 1 ? " second" : " seconds");
}

QString WithoutFullStop(QString text) {
    while (text.endsWith('.'))
        text.chop(1);
    return text;
}

}  // namespace

IrcOnline::IrcOnline(Engine& engine, IrcClient& client, OnlineTimings timings)
    : e_(engine),
      client_(client),
      timings_(timings),
      membership_(engine, client, timings.rejoinAfterKickMs) {
    client_.setTimings(timings_.client);
    irc_ccheck.setInterval(timings_.connectionCheckMs);
    irc_connector.setInterval(IrcConfig{}.reconnectSeconds * 1000);
    irc_connector.setSingleShot(true);
    joiner.setInterval(timings_.joinerMs);
    Timer4.setInterval(timings_.readyAgainMs);
    Timer4.setSingleShot(true);
    connect(&irc_ccheck, &QTimer::timeout, this, &IrcOnline::irc_ccheckTimer);
    connect(&irc_connector, &QTimer::timeout, this, &IrcOnline::irc_connectorTimer);
    connect(&joiner, &QTimer::timeout, this, &IrcOnline::joinerTimer);
    connect(&Timer4, &QTimer::timeout, this, &IrcOnline::Timer4Timer);

    connect(&client_, &IrcClient::received, this, [this](const IrcLine& line) {
        guarded([&] { HandleRawLine(e_, line, client_.features(), client_.currentNick()); });
    });
    connect(&client_, &IrcClient::connected, this, &IrcOnline::ircConnected);
    connect(&client_, &IrcClient::disconnected, this, &IrcOnline::ircDisconnected);
    connect(&client_, &IrcClient::registered, this, &IrcOnline::ircRegistered);
    connect(&client_, &IrcClient::joined, this, &IrcOnline::ircJoined);
    connect(&client_, &IrcClient::joinRefused, this,
            [this](const QString& channel, int, const QString& text) {
                ircJoinRefused(channel, text);
            });
    connect(&client_, &IrcClient::pingPong, this, &IrcOnline::ircPingPong);
    connect(&client_, &IrcClient::message, this, &IrcOnline::ircMessage);
    connect(&client_, &IrcClient::action, this, &IrcOnline::ircMessage);
    connect(&client_, &IrcClient::identified, this, &IrcOnline::ircIdentified);
    connect(&client_, &IrcClient::accountKnown, this, &IrcOnline::releaseHeld);
}

void IrcOnline::guarded(const std::function<void()>& work) {
    try {
        work();
    } catch (const DbConnectionLost& lost) {
        ReportBrainLost(e_, lost);
    } catch (const std::exception& error) {
        ConsoleLine(e_, QStringLiteral("A.I. > Error: %1").arg(QString::fromUtf8(error.what())));
    }
}

void IrcOnline::setControls(const OnlineControls& controls) {
    if (controls == controls_) return;
    controls_ = controls;
    emit controlsChanged(controls_);
}

// ---- connecting ----

void IrcOnline::connectProcedure(Caller caller) {
    if (!client_.isOffline() || attempt_ > 0) return;
    caller_ = caller;
    const Settings& s = e_.state.settings;
    IrcConfig config;
    bool portOk = false;
    const int port = s.ircPort.trimmed().toInt(&portOk);
    try {
        config = LoadIrcConfig(e_.home.path("Main/Irc.ini"));
    } catch (const IrcConfigError& error) {
        ConsoleLine(e_, "A.I. > " + QString::fromUtf8(error.what()));
        return procedureFailed();
    }
    if (!portOk || port < 1 || port > 65535) {
        ConsoleLine(e_,
                    "A.I. > The setting \"IRC Port\" holds no port number: \"" + s.ircPort + "\".");
        return procedureFailed();
    }
    ownerAccount_ = config.ownerAccount;
    irc_connector.setInterval(config.reconnectSeconds * 1000);
    IrcConnectSettings settings;
    settings.host = s.ircServer.trimmed();
    settings.port = quint16(port);
    client_.changeNick(s.nickname);
    settings.nickServPassword = s.nickServIdentity;
    settings.serverPassword = config.serverPassword;
    settings.sasl = config.sasl == IrcConfig::Sasl::Auto;
    settings.tls = config.tls;
    settings.tlsVerify = config.tlsVerify;
    settings.caFile = config.caFile;
    if (!s.ircUserName.isEmpty()) settings.username = s.ircUserName;
    if (!s.ircFullName.isEmpty()) settings.realName = s.ircFullName;
    IrcTimings clientTimings = timings_.client;
    // The connect time-out of the settings is in seconds; 0 keeps the client's own.
    if (s.ircConnectTimeout > 0) clientTimings.connectTimeoutMs = s.ircConnectTimeout * 1000;
    client_.setTimings(clientTimings);
    attempt_ = 1;
    client_.connectToServer(settings);
    connectSettings_ = settings;
}

void IrcOnline::attemptFailed(const QString& reason) {
    DetailLine(e_, "A.I. > " + WithoutFullStop(reason) + ".");
    ConsoleLine(e_, "A.I. > Can not connect to IRC server.");
    if (attempt_ == 1) {
        ConsoleLine(e_, "A.I. > Trying to connect IRC server again..");
        attempt_ = 2;
        client_.connectToServer(connectSettings_);
        return;
    }
    attempt_ = 0;
    procedureFailed();
}

void IrcOnline::procedureFailed() {
    if (caller_ == Caller::Controls) {
        ConsoleLine(e_, "A.I. > Can not start artificial intelect in online mode!");
        Timer4.start();
        return;
    }
    waitToReconnect(false);
}

// After a failed automatic start or reconnect (to the main console) or a lost connection found
// by the check (to the additional console's log).
void IrcOnline::waitToReconnect(bool toLog) {
    const QString line = "A.I. > Will try connecting to IRC server after " +
                         Interval(irc_connector.interval() / 1000) + ".";
    toLog ? e_.out.additional->logLine(line) : ConsoleLine(e_, line);
    irc_connector.start();
}

void IrcOnline::StartArtificialIntelect() {
    ConsoleLine(e_, "A.I. > Starting artificial intelect in online mode..");
    if (!client_.isOffline() || attempt_ > 0) return;
    irc_connector.stop();
    PlayCue(e_, "startai.wav");
    ConsoleLine(e_, "A.I. > Trying to connect IRC server..");
    connectProcedure(Caller::Controls);
}

void IrcOnline::StartUpStep() {
    guarded([this] { membership_.ForgetOnlineUsers(); });
    setControls({.startEnabled = true});
    if (!e_.state.settings.automaticStartup || !client_.isOffline()) return;
    PlayCue(e_, "autostart.wav");
    ConsoleLine(e_, "A.I. > Enabled autostart function.");
    QTimer::singleShot(timings_.autostartPauseMs, this, &IrcOnline::automaticStartup);
}

void IrcOnline::automaticStartup() {
    ConsoleLine(e_, "A.I. > Starting artificial intelect in online mode..");
    ConsoleLine(e_, "A.I. > Trying to connect IRC server..");
    connectProcedure(Caller::AutomaticStartup);
}

void IrcOnline::irc_connectorTimer() {
    irc_connector.stop();
    ConsoleLine(e_, "A.I. > Trying to connect IRC server..");
    connectProcedure(Caller::Reconnect);
}

// ---- the link's life ----

void IrcOnline::ircConnected() {
    attempt_ = 0;
    ConsoleLine(e_, "A.I. > IRC server connected.");
    PlayCue(e_, "connected.wav");
    irc_ccheck.start();
}

// At 001: the joiner starts now, not at the TCP connect, so its JOIN never waits for a
// registration that may not come.
void IrcOnline::ircRegistered() {
    if (e_.state.settings.defaultJoinChannel.trimmed().isEmpty()) {
        goOnline();
        emit e_.ircReady();
        return;
    }
    joiner.start();
}

void IrcOnline::joinerTimer() {
    if (!client_.isRegistered()) {
        joiner.stop();
        return;
    }
    ConsoleLine(e_, "A.I. > Joining default channel..");
    e_.out.irc->JoinChannel(e_.state.settings.defaultJoinChannel.trimmed());
    goOnline();
}

void IrcOnline::goOnline() {
    setControls({.pauseEnabled = true, .stopEnabled = true, .paused = e_.state.paused});
}

void IrcOnline::ircJoined(const QString& channel) {
    const QString wanted = e_.state.settings.defaultJoinChannel.trimmed();
    if (!client_.features().sameName(channel, wanted)) return;
    joiner.stop();
    emit e_.ircReady();
}

// A channel the server refuses is not asked for again until the next connect.
void IrcOnline::ircJoinRefused(const QString& channel, const QString& text) {
    const QString wanted = e_.state.settings.defaultJoinChannel.trimmed();
    if (!joiner.isActive() || !client_.features().sameName(channel, wanted)) return;
    joiner.stop();
    ConsoleLine(e_, "A.I. > Can not join default channel " + channel + ": " +
                        WithoutFullStop(text) + ". Will try again after the next connect.");
    emit e_.ircReady();
}

void IrcOnline::ircDisconnected(const QString& reason) {
    if (attempt_ > 0) return attemptFailed(reason);
    joiner.stop();
    lastDisconnection_ = reason;
    e_.state.stores.IsOpStore.clear();
    ConsoleLine(e_, "A.I. > IRC server disconnected.");
    for (const QString& nick : heldForAccount_.keys())
        releaseHeld(nick);
    // A link that was wanted is checked at once, not up to half a minute later.
    if (irc_ccheck.isActive()) irc_ccheckTimer();
}

void IrcOnline::irc_ccheckTimer() {
    AdditionalConsoleView& log = *e_.out.additional;
    log.logLine("A.I. > Checking internet and IRC server connections at " +
                e_.out.clock->now().toString("hh:mm:ss") + ".");
    if (client_.isConnected()) {
        log.logLine("A.I. > Connections stable. No problems found.");
        return;
    }
    client_.disconnectFromServer();
    log.logLine("A.I. > Unexpected disconnection from IRC server: " +
                WithoutFullStop(lastDisconnection_) + ".");
    irc_ccheck.stop();
    waitToReconnect(true);
}

void IrcOnline::ircPingPong() {
    const Settings& s = e_.state.settings;
    e_.out.irc->SendRawLine("PONG " + s.ircServer);
    PlayCue(e_, "ping.wav");
    DetailLine(e_,
               "A.I. > Pong: " + s.ircServer + " at " + LongTimeText(e_.out.clock->now().time()));
}

// A services host is switched on once the services know us; before 001 the line waits for it.
void IrcOnline::ircIdentified() {
    e_.out.irc->SendPrivmsg(QStringLiteral("HostServ"), QStringLiteral("ON"));
}

// ---- messages ----

void IrcOnline::ircMessage(const QString& nick, const QString& address, const QString& text,
                           const QString& channel) {
    guarded([&] {
        const std::optional<TInput> input = MessageFrontEnd(e_, nick, address, text, channel);
        if (!input) return;
        emit messageTaken();
        holdForAccount(*input);
    });
}

// A message under the owner's nick waits until the server has said which account its sender is
// logged in as, so that the cycle can tell the owner from someone using the owner's nick.
void IrcOnline::holdForAccount(const TInput& input) {
    const IrcFeatures& features = client_.features();
    const QString folded = features.fold(input.UserNick);
    const QString owner = e_.state.settings.ownersNickname;
    const bool waitForAccount = !owner.isEmpty() && features.sameName(input.UserNick, owner) &&
                                !client_.accountOf(input.UserNick) && client_.isRegistered();
    // Behind a held message of the same sender, a message waits too, to keep their order.
    if (!waitForAccount && !heldForAccount_.contains(folded)) return QueueIrcInput(e_, input);
    QList<TInput>& held = heldForAccount_[folded];
    held << input;
    if (held.size() > 1) return;
    client_.whois(input.UserNick);
    QTimer::singleShot(timings_.accountAnswerMs, this,
                       [this, nick = input.UserNick] { releaseHeld(nick); });
}

void IrcOnline::releaseHeld(const QString& nick) {
    const QList<TInput> held = heldForAccount_.take(client_.features().fold(nick));
    guarded([&] {
        for (const TInput& input : held)
            QueueIrcInput(e_, input);
    });
}

bool IrcOnline::OwnerIdentityVerified(const QString& nick) const {
    const std::optional<QString> account = client_.accountOf(nick);
    if (!account || account->isEmpty()) return false;
    const QString owners =
        ownerAccount_.isEmpty() ? e_.state.settings.ownersNickname : ownerAccount_;
    return client_.features().sameName(*account, owners);
}

// ---- pause and stop ----

void IrcOnline::PauseArtificialIntelect() {
    EngineState& s = e_.state;
    if (!s.paused) {
        PlayCue(e_, "pause.wav");
        e_.NLPtimer.stop();
        e_.out.console->setColour(ConsoleColour::Blue);
        s.paused = true;
    } else {
        if (s.settings.allowLonelyTalking && !s.stores.TimerStore.isEmpty())
            Run(e_.stages.StartLonelyTimer, e_);
        PlayCue(e_, "unpause.wav");
        e_.out.console->setColour(ConsoleColour::Lime);
        s.paused = false;
        if (!s.stores.InputStore.isEmpty()) e_.NLPtimer.start();
    }
    OnlineControls controls = controls_;
    controls.paused = s.paused;
    setControls(controls);
}

void IrcOnline::StopArtificialIntelect() {
    irc_ccheck.stop();
    // A stopped character stays offline: no reconnect and no join comes after it.
    irc_connector.stop();
    joiner.stop();
    attempt_ = 0;
    if (client_.isConnected()) {
        PlayCue(e_, "stopai.wav");
        QString quit;
        guarded([&] {
            quit = e_.stages.PrepareEventReply(e_, kQuitEvent, e_.state.settings.ownersNickname);
        });
        e_.out.irc->SendQuit(quit.remove(QLatin1String("[SYSMSG]"), Qt::CaseInsensitive).trimmed());
    } else {
        client_.disconnectFromServer();
    }
    guarded([this] { membership_.ForgetOnlineUsers(); });
    e_.out.console->setColour(ConsoleColour::Lime);
    e_.state.paused = false;
    setControls({});
    Timer4.start();
    e_.state.stores.TimerStore.clear();
    e_.state.stores.IsOpStore.clear();
}

void IrcOnline::Timer4Timer() {
    Timer4.stop();
    setControls({.startEnabled = true});
    PlayCue(e_, "ready.wav");
}

void IrcOnline::Leave(const std::function<void()>& done) {
    if (client_.isOffline()) return done();
    auto finished = std::make_shared<bool>(false);
    const auto once = [done, finished] {
        if (!std::exchange(*finished, true)) done();
    };
    connect(&client_, &IrcClient::disconnected, this, once, Qt::SingleShotConnection);
    QTimer::singleShot(timings_.leaveMs, this, once);
    StopArtificialIntelect();
}
