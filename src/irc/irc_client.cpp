#include "irc_client.h"

#include "brain/text_decoding.h"
#include "irc_wire.h"

#include <QPointer>
#include <QSslConfiguration>
#include <QSslSocket>

#include <algorithm>

namespace {

constexpr qsizetype kMaxLineBytes = 16384;  // a longer run without line end is cut into lines
constexpr qsizetype kMaxQueuedForCtcp = 8;  // CTCP replies never crowd out answers
constexpr qsizetype kSaslChunk = 400;
const QString kNickServ = QStringLiteral("NickServ");
// What we ask for besides SASL, when offered: the account of every user we hear from.
const QStringList kAccountCaps = {"account-tag", "extended-join", "account-notify"};

int Utf8Size(const QString& text) {
    return int(text.toUtf8().size());
}

// One nick or channel name, safe to put in a line as a parameter.
bool IsOneName(const QString& name) {
    if (name.isEmpty() || name.startsWith(':')) return false;
    for (QChar c : name)
        if (c == ' ' || c == ',' || c == '\r' || c == '\n' || c == QChar(0)) return false;
    return true;
}

// What a log may show of a line we sent: no password.
QString MaskedForLog(const QString& line) {
    static const QStringList secretHeads = {"PASS ", "PRIVMSG NickServ :IDENTIFY ",
                                            "AUTHENTICATE "};
    for (const QString& head : secretHeads)
        if (line.startsWith(head, Qt::CaseInsensitive) && line != "AUTHENTICATE PLAIN" &&
            line != "AUTHENTICATE +")
            return line.left(head.size()) + "****";
    return line;
}

// `modes` with `mode` added or taken away, kept in the server's rank order.
QString WithMode(const QString& modes, QChar mode, bool adding, const QString& rankOrder) {
    QString result;
    for (QChar m : rankOrder)
        if (m == mode ? adding : modes.contains(m)) result += m;
    return result;
}

}  // namespace

IrcClient::IrcClient(QObject* parent) : QObject(parent) {
    qRegisterMetaType<IrcLine>();
    qRegisterMetaType<IrcName>();
    qRegisterMetaType<IrcModeChange>();
    clock_.start();
    for (QTimer* timer : {&sendTimer_, &keepaliveTimer_, &connectTimer_, &closeTimer_})
        timer->setSingleShot(true);
    connect(&sendTimer_, &QTimer::timeout, this, &IrcClient::pumpQueue);
    connect(&connectTimer_, &QTimer::timeout, this, [this] {
        closeLink(QStringLiteral("No connection to %1:%2 within %3 seconds.")
                      .arg(settings_.host)
                      .arg(settings_.port)
                      .arg(timings_.connectTimeoutMs / 1000.0));
    });
    connect(&keepaliveTimer_, &QTimer::timeout, this, [this] {
        if (awaitingPong_) {
            closeLink(QStringLiteral("The server sent nothing for %1 seconds.")
                          .arg((timings_.idleBeforePingMs + timings_.pingReplyMs) / 1000.0));
            return;
        }
        awaitingPong_ = true;
        keepaliveTimer_.start(timings_.pingReplyMs);
        enqueueUrgent(QStringLiteral("PING :keepalive"));
    });
    connect(&regainTimer_, &QTimer::timeout, this, &IrcClient::regainNick);
    connect(&closeTimer_, &QTimer::timeout, this, [this] { closeLink(closeReason_); });
    setTimings(timings_);
}

IrcClient::~IrcClient() {
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
    }
}

void IrcClient::setTimings(const IrcTimings& timings) {
    timings_ = timings;
    queue_.setRate(timings_.sendBurstLines, timings_.sendIntervalMs);
    regainTimer_.setInterval(timings_.nickRegainMs);
}

bool IrcClient::isConnected() const {
    return acceptsLines() && !quitting_;
}

QString IrcClient::currentNick() const {
    return acceptsLines() ? currentNick_ : wantedNick_;
}

QStringList IrcClient::channels() const {
    QStringList names;
    for (const OwnChannel& channel : channels_)
        names << channel.name;
    names.sort();
    return names;
}

QString IrcClient::ownModes(const QString& channel) const {
    return channels_.value(features_.fold(channel)).modes;
}

int IrcClient::relayPrefixBytes() const {
    const int user = ownUser_.isEmpty()
                         ? std::max(features_.userLength(), Utf8Size(settings_.username)) + 1
                         : Utf8Size(ownUser_);
    const int host = ownHost_.isEmpty() ? std::max(features_.hostLength(), 63) : Utf8Size(ownHost_);
    return 1 + Utf8Size(currentNick()) + 1 + user + 1 + host + 1;
}

int IrcClient::lineBudget() const {
    return kIrcLineBytes - 2 - relayPrefixBytes();
}

// ---- the link ----

void IrcClient::connectToServer(const IrcConnectSettings& settings) {
    if (state_ != State::Offline) closeLink(QStringLiteral("Connecting again."));
    settings_ = settings;
    if (!settings_.nick.isEmpty()) wantedNick_ = settings_.nick;
    settings_.nick = wantedNick_;
    settings_.username.remove(' ');
    settings_.realName = OneLine(settings_.realName);
    currentNick_ = wantedNick_;
    triedAlternativeNick_ = false;
    ownUser_.clear();
    ownHost_.clear();
    features_.reset();
    account_.clear();
    capNegotiating_ = false;
    capRequested_ = false;
    offeredCaps_.clear();
    ackedCaps_.clear();
    accounts_.clear();
    addresses_.clear();
    whoisInProgress_.clear();
    quitting_ = false;
    sasl_ = Sasl::Unused;
    inBuffer_.clear();
    closeReason_.clear();
    tlsErrors_.clear();
    awaitingPong_ = false;
    lastCtcpReplyAt_.clear();
    ++linkGeneration_;
    state_ = State::Connecting;

    socket_ = new QSslSocket(this);
    connect(socket_, &QSslSocket::connected, this, [this] {
        if (!settings_.tls) onLinkUp();
    });
    connect(socket_, &QSslSocket::encrypted, this, &IrcClient::onLinkUp);
    connect(socket_, &QSslSocket::readyRead, this, &IrcClient::onReadyRead);
    connect(socket_, &QSslSocket::sslErrors, this, [this](const QList<QSslError>& errors) {
        QStringList texts;
        for (const QSslError& error : errors)
            texts << error.errorString();
        tlsErrors_ = texts.join("; ");
    });
    connect(socket_, &QSslSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (!tlsErrors_.isEmpty())
            closeLink("TLS: " + tlsErrors_);
        else if (error == QAbstractSocket::RemoteHostClosedError || !closeReason_.isEmpty())
            closeLink(closeReason_.isEmpty() ? QStringLiteral("The server closed the connection.")
                                             : closeReason_);
        else
            closeLink(socket_->errorString());
    });
    connect(socket_, &QSslSocket::disconnected, this, [this] {
        closeLink(closeReason_.isEmpty() ? QStringLiteral("The server closed the connection.")
                                         : closeReason_);
    });
    connectTimer_.start(timings_.connectTimeoutMs);

    if (!settings_.tls) {
        socket_->connectToHost(settings_.host, settings_.port);
        return;
    }
    QString refusal;
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    if (!QSslSocket::supportsSsl()) refusal = QStringLiteral("TLS is not available here.");
    if (!settings_.caFile.isEmpty()) {
        const QList<QSslCertificate> trusted = QSslCertificate::fromPath(settings_.caFile);
        if (trusted.isEmpty())
            refusal = QStringLiteral("The CA file %1 holds no certificate.").arg(settings_.caFile);
        tls.addCaCertificates(trusted);
    }
    tls.setPeerVerifyMode(settings_.tlsVerify ? QSslSocket::VerifyPeer : QSslSocket::VerifyNone);
    if (!refusal.isEmpty()) {
        // Reported from the event loop, like every other failure to connect.
        const quint64 generation = linkGeneration_;
        QTimer::singleShot(0, this, [this, generation, refusal] {
            if (generation == linkGeneration_) closeLink(refusal);
        });
        return;
    }
    socket_->setSslConfiguration(tls);
    socket_->connectToHostEncrypted(settings_.host, settings_.port);
}

void IrcClient::onLinkUp() {
    if (state_ != State::Connecting) return;
    connectTimer_.stop();
    state_ = State::Registering;
    keepaliveTimer_.start(timings_.idleBeforePingMs);
    const SameLink link = sameLink();
    emit connected();
    if (!link.holds()) return;
    if (!settings_.serverPassword.isEmpty())
        enqueue("PASS :" + OneLine(settings_.serverPassword), false);
    capNegotiating_ = true;
    enqueue(QStringLiteral("CAP LS 302"), false);
    enqueue("NICK " + wantedNick_, false);
    enqueue("USER " + settings_.username + " 0 * :" + settings_.realName, false);
}

void IrcClient::disconnectFromServer() {
    if (state_ == State::Offline || state_ == State::Closing) return;
    if (closeReason_.isEmpty()) closeReason_ = QStringLiteral("Disconnected.");
    if (state_ == State::Connecting) {
        closeLink(closeReason_);
        return;
    }
    state_ = State::Closing;
    sendTimer_.stop();
    regainTimer_.stop();
    keepaliveTimer_.stop();
    queue_.clear();
    heldUntilRegistered_.clear();
    closeTimer_.start(timings_.closeGraceMs);
    socket_->disconnectFromHost();  // writes what is written, then closes
}

void IrcClient::closeLink(const QString& reason) {
    if (state_ == State::Offline) return;
    state_ = State::Offline;
    quitting_ = false;
    ++linkGeneration_;
    for (QTimer* timer :
         {&sendTimer_, &keepaliveTimer_, &connectTimer_, &regainTimer_, &closeTimer_})
        timer->stop();
    queue_.clear();
    heldUntilRegistered_.clear();
    channels_.clear();
    pendingJoins_.clear();
    namesInProgress_.clear();
    inBuffer_.clear();
    if (socket_) {
        QSslSocket* socket = socket_;
        socket_ = nullptr;
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    emit disconnected(reason);
}

void IrcClient::onReadyRead() {
    // Once we are closing the link, nothing the server says changes anything.
    if (state_ == State::Closing) {
        socket_->readAll();
        return;
    }
    const SameLink link = sameLink();
    inBuffer_ += socket_->readAll();
    qsizetype start = 0;
    for (;;) {
        const auto from = inBuffer_.cbegin() + start;
        const auto end =
            std::find_if(from, inBuffer_.cend(), [](char c) { return c == '\n' || c == '\r'; });
        qsizetype length = end - from;
        if (end == inBuffer_.cend()) {
            if (length <= kMaxLineBytes) break;
            length = kMaxLineBytes;
        }
        const QByteArray bytes = inBuffer_.mid(start, length);
        start += length + (end == inBuffer_.cend() ? 0 : 1);
        if (bytes.isEmpty()) continue;
        handleLine(DecodeText(bytes));
        if (!link.holds() || state_ == State::Closing) return;
    }
    inBuffer_.remove(0, start);
}

void IrcClient::handleLine(const QString& text) {
    awaitingPong_ = false;
    if (acceptsLines()) keepaliveTimer_.start(timings_.idleBeforePingMs);
    const IrcLine line = ParseIrcLine(text);
    const SameLink link = sameLink();
    emit received(line);
    if (!link.holds() || !line.isValid()) return;
    dispatch(line);
}

void IrcClient::dispatch(const IrcLine& line) {
    using Handler = void (IrcClient::*)(const IrcLine&);
    static const QHash<QString, Handler> handlers = {
        {"PING", &IrcClient::handlePing},     {"PRIVMSG", &IrcClient::handlePrivmsg},
        {"NOTICE", &IrcClient::handleNotice}, {"JOIN", &IrcClient::handleJoin},
        {"PART", &IrcClient::handlePart},     {"KICK", &IrcClient::handleKick},
        {"NICK", &IrcClient::handleNick},     {"QUIT", &IrcClient::handleQuit},
        {"INVITE", &IrcClient::handleInvite}, {"MODE", &IrcClient::handleMode},
        {"CAP", &IrcClient::handleCap},       {"AUTHENTICATE", &IrcClient::handleAuthenticate},
        {"ERROR", &IrcClient::handleError},   {"ACCOUNT", &IrcClient::handleAccount},
    };
    learnOwnMask(line.prefix);
    learnAccountTag(line);
    learnAddress(line.prefix.nick, line.prefix.user, line.prefix.host);
    const int numeric = line.numeric();
    if (numeric >= 0) {
        handleNumeric(line, numeric);
        return;
    }
    const Handler handler = handlers.value(line.command);
    if (handler) (this->*handler)(line);
}

void IrcClient::learnOwnMask(const IrcPrefix& prefix) {
    if (prefix.user.isEmpty() || prefix.host.isEmpty() || !isMe(prefix.nick)) return;
    ownUser_ = prefix.user;
    ownHost_ = prefix.host;
}

void IrcClient::learnAddress(const QString& nick, const QString& user, const QString& host) {
    if (nick.isEmpty() || user.isEmpty() || host.isEmpty() || isMe(nick)) return;
    addresses_.insert(features_.fold(nick), user + '@' + host);
}

QString IrcClient::addressOf(const QString& nick) const {
    return addresses_.value(features_.fold(nick));
}

// ---- registration and identity ----

void IrcClient::handleCap(const IrcLine& line) {
    const QString subcommand = line.param(1).toUpper();
    const QStringList caps =
        line.params.size() > 2 ? line.params.last().split(' ', Qt::SkipEmptyParts) : QStringList();
    if (subcommand == "LS") {
        offeredCaps_ += caps;
        const bool more = line.params.size() >= 4 && line.param(2) == "*";
        if (more || !capNegotiating_ || capRequested_) return;
        requestCapabilities();
    } else if (subcommand == "ACK" && capRequested_) {
        capRequested_ = false;
        ackedCaps_ += caps;
        if (sasl_ == Sasl::Requested && caps.contains("sasl", Qt::CaseInsensitive)) {
            sasl_ = Sasl::Authenticating;
            enqueue(QStringLiteral("AUTHENTICATE PLAIN"), false);
        } else {
            finishCapNegotiation();
        }
    } else if (subcommand == "NAK" && capRequested_) {
        capRequested_ = false;
        finishCapNegotiation();
    }
}

void IrcClient::requestCapabilities() {
    QStringList wanted;
    bool offersPlain = false;
    for (const QString& cap : offeredCaps_) {
        const QString name = cap.section('=', 0, 0).toLower();
        if (name == "sasl")
            offersPlain = !cap.contains('=') ||
                          cap.section('=', 1).split(',').contains("PLAIN", Qt::CaseInsensitive);
        if (kAccountCaps.contains(name) && !wanted.contains(name)) wanted << name;
    }
    if (offersPlain && settings_.sasl && !settings_.nickServPassword.isEmpty()) {
        sasl_ = Sasl::Requested;
        wanted.prepend(QStringLiteral("sasl"));
    }
    if (wanted.isEmpty()) {
        finishCapNegotiation();
        return;
    }
    capRequested_ = true;
    enqueue("CAP REQ :" + wanted.join(' '), false);
}

void IrcClient::handleAuthenticate(const IrcLine& line) {
    if (sasl_ != Sasl::Authenticating || line.param(0) != "+") return;
    // PLAIN: no authorisation name, the account and its password, each after a NUL.
    const QByteArray credentials = QByteArray(1, '\0') + settings_.nick.toUtf8() +
                                   QByteArray(1, '\0') + settings_.nickServPassword.toUtf8();
    const QByteArray encoded = credentials.toBase64();
    for (qsizetype i = 0; i < encoded.size(); i += kSaslChunk)
        enqueue("AUTHENTICATE " + QString::fromLatin1(encoded.mid(i, kSaslChunk)), false);
    if (encoded.size() % kSaslChunk == 0) enqueue(QStringLiteral("AUTHENTICATE +"), false);
    sasl_ = Sasl::Done;
}

void IrcClient::finishCapNegotiation() {
    if (!capNegotiating_) return;
    capNegotiating_ = false;
    enqueue(QStringLiteral("CAP END"), false);
}

void IrcClient::handleWelcome(const IrcLine& line) {
    if (!line.param(0).isEmpty()) currentNick_ = line.param(0);
    state_ = State::Registered;
    capNegotiating_ = false;
    // Many servers end the welcome with our whole "nick!user@host".
    const QString welcome = line.params.size() > 1 ? line.params.last() : QString();
    learnOwnMask(ParseIrcPrefix(welcome.mid(welcome.lastIndexOf(' ') + 1)));
    for (const QByteArray& held : std::as_const(heldUntilRegistered_))
        queue_.append(held);
    heldUntilRegistered_.clear();
    updateRegainTimer();
    const SameLink link = sameLink();
    pumpQueue();
    if (link.holds() && state_ == State::Registered) emit registered(currentNick_);
}

void IrcClient::handleNickRefused(const IrcLine& line, int numeric) {
    const QString refused = line.param(1);
    const QString text = line.params.size() > 1 ? line.params.last() : QString();
    if (state_ == State::Registering) {
        const QString& alternative = settings_.alternativeNick;
        if (!triedAlternativeNick_ && !alternative.isEmpty() && !isMe(alternative)) {
            triedAlternativeNick_ = true;
            currentNick_ = alternative;
            enqueue("NICK " + alternative, false);
        } else {
            closeReason_ = QStringLiteral("The server refused the nicknames %1 and %2.")
                               .arg(wantedNick_, alternative);
            disconnectFromServer();
        }
    }
    emit nickRefused(refused, numeric, text);
}

void IrcClient::handleNick(const IrcLine& line) {
    const QString oldNick = line.prefix.nick;
    const QString newNick = line.param(0);
    if (newNick.isEmpty()) return;
    if (isMe(oldNick)) {
        currentNick_ = newNick;
        updateRegainTimer();
        emit ownNickChanged(oldNick, newNick);
        return;
    }
    const bool freesOurNick = features_.sameName(oldNick, wantedNick_) && !isMe(wantedNick_);
    accounts_.rename(features_.fold(oldNick), features_.fold(newNick));
    addresses_.insert(features_.fold(newNick), addresses_.take(features_.fold(oldNick)));
    const SameLink link = sameLink();
    emit nickChanged(oldNick, line.prefix.address(), newNick);
    if (link.holds() && freesOurNick) regainNick();
}

void IrcClient::changeNick(const QString& nick) {
    if (!IsOneName(nick)) return;
    wantedNick_ = nick;
    if (state_ == State::Registering) currentNick_ = nick;
    if (!acceptsLines()) return;
    enqueue("NICK " + nick, false);
    updateRegainTimer();
}

void IrcClient::regainNick() {
    if (state_ == State::Registered && !isMe(wantedNick_)) enqueue("NICK " + wantedNick_);
}

void IrcClient::updateRegainTimer() {
    if (state_ == State::Registered && !isMe(wantedNick_)) {
        if (!regainTimer_.isActive()) regainTimer_.start();
    } else {
        regainTimer_.stop();
    }
}

void IrcClient::setAccount(const QString& account) {
    if (account == account_) return;
    account_ = account;
    if (!account.isEmpty()) emit identified(account);
}

// ---- who the others are ----

std::optional<QString> IrcClient::accountOf(const QString& nick) const {
    return accounts_.of(features_.fold(nick), clock_.elapsed());
}

void IrcClient::whois(const QString& nick) {
    if (!IsOneName(nick) || !isRegistered()) return;
    whoisInProgress_.insert(features_.fold(nick), false);
    enqueue("WHOIS " + nick);
}

// With the account tag, a user's line without one says the user is logged in to no account.
void IrcClient::learnAccountTag(const IrcLine& line) {
    if (!hasAccountTags() || line.prefix.user.isEmpty()) return;
    QString account = line.tags.value(QStringLiteral("account"));
    if (account == "*") account.clear();
    accounts_.set(features_.fold(line.prefix.nick), account, IrcAccounts::Source::Announced,
                  clock_.elapsed());
}

void IrcClient::handleAccount(const IrcLine& line) {
    const QString account = line.param(0) == "*" ? QString() : line.param(0);
    accounts_.set(features_.fold(line.prefix.nick), account, IrcAccounts::Source::Announced,
                  clock_.elapsed());
}

// 330 "me nick account :is logged in as"; 318 ends the WHOIS, with or without a 330 before it.
void IrcClient::handleWhoisAccount(const IrcLine& line, int numeric) {
    const QString nick = line.param(1);
    const QString folded = features_.fold(nick);
    const auto asked = whoisInProgress_.find(folded);
    if (asked == whoisInProgress_.end()) return;
    if (numeric == 330) {
        *asked = true;
        accounts_.set(folded, line.param(2), IrcAccounts::Source::Whois, clock_.elapsed());
        return;
    }
    if (!*asked) accounts_.set(folded, QString(), IrcAccounts::Source::Whois, clock_.elapsed());
    whoisInProgress_.erase(asked);
    emit accountKnown(nick);
}

// ---- what the server tells ----

void IrcClient::handlePing(const IrcLine& line) {
    const QString token = line.params.isEmpty() ? QString() : line.params.last();
    enqueueUrgent(line.params.isEmpty() ? QStringLiteral("PONG") : "PONG :" + token);
    emit pingPong(token);
}

void IrcClient::handleError(const IrcLine& line) {
    // When we close the link ourselves, our own reason stands.
    if (state_ != State::Closing) closeReason_ = line.param(0);
}

// What the server told of a user who left: the account and the address go together.
void IrcClient::forgetUser(const QString& nick) {
    const QString folded = features_.fold(nick);
    accounts_.forget(folded);
    addresses_.remove(folded);
}

void IrcClient::handlePart(const IrcLine& line) {
    const QString channel = line.param(0);
    if (!isMe(line.prefix.nick)) {
        forgetUser(line.prefix.nick);
        emit userParted(line.prefix.nick, line.prefix.address(), channel, line.param(1));
        return;
    }
    channels_.remove(features_.fold(channel));
    emit parted(channel);
}

void IrcClient::handleKick(const IrcLine& line) {
    const QString channel = line.param(0);
    const SameLink link = sameLink();
    for (const QString& victim : line.param(1).split(',', Qt::SkipEmptyParts)) {
        if (isMe(victim)) {
            channels_.remove(features_.fold(channel));
            emit kicked(line.prefix.nick, channel, line.param(2));
        } else {
            forgetUser(victim);
            emit userKicked(channel, victim, line.prefix.nick, line.param(2));
        }
        if (!link.holds()) return;
    }
}

void IrcClient::handleQuit(const IrcLine& line) {
    const bool freesOurNick =
        features_.sameName(line.prefix.nick, wantedNick_) && !isMe(wantedNick_);
    forgetUser(line.prefix.nick);
    const SameLink link = sameLink();
    emit userQuit(line.prefix.nick, line.prefix.address(), line.param(0));
    if (link.holds() && freesOurNick) regainNick();
}

void IrcClient::handleInvite(const IrcLine& line) {
    if (isMe(line.param(0))) emit invited(line.prefix.nick, line.prefix.address(), line.param(1));
}

void IrcClient::handlePrivmsg(const IrcLine& line) {
    if (line.params.size() < 2) return;
    const QString& nick = line.prefix.nick;
    const QString address = line.prefix.address();
    const QString channel = features_.channelOfTarget(line.param(0));
    const QString& text = line.params[1];
    if (!text.startsWith(QChar(1))) {
        emit message(nick, address, text, channel);
        return;
    }
    QString body = text.mid(1);
    if (body.endsWith(QChar(1))) body.chop(1);
    const qsizetype blank = body.indexOf(' ');
    const QString word = (blank < 0 ? body : body.left(blank)).toUpper();
    if (word == "ACTION")
        emit action(nick, address, blank < 0 ? QString() : body.mid(blank + 1), channel);
    else if (word == "FINGER" || word == "VERSION" || word == "USERINFO" || word == "CLIENTINFO")
        replyToCtcp(nick, word);
}

void IrcClient::replyToCtcp(const QString& nick, const QString& word) {
    if (!IsOneName(nick) || queue_.size() > kMaxQueuedForCtcp) return;
    const qint64 now = clock_.elapsed();
    const QString who = features_.fold(nick);
    const auto last = lastCtcpReplyAt_.constFind(who);
    if (last != lastCtcpReplyAt_.cend() && now - *last < timings_.ctcpReplyIntervalMs) return;
    if (lastCtcpReplyAt_.size() > 1000)
        lastCtcpReplyAt_.removeIf(
            [&](const auto& entry) { return now - entry.value() >= timings_.ctcpReplyIntervalMs; });
    lastCtcpReplyAt_.insert(who, now);
    enqueue("NOTICE " + nick + " :\x01" + word + ' ' + kCtcpReplyText + '\x01');
}

void IrcClient::handleNotice(const IrcLine& line) {
    if (line.params.size() < 2 || line.params[1].startsWith(QChar(1))) return;
    const QString& text = line.params[1];
    // NickServ speaks only to the nick we have now; a user who writes its words does not count.
    bool identifiedNow = false;
    if (features_.sameName(line.prefix.nick, kNickServ) && !line.prefix.user.isEmpty() &&
        isMe(line.param(0))) {
        if (text.contains("This nickname is registered and protected", Qt::CaseInsensitive) &&
            !settings_.nickServPassword.isEmpty() && account_.isEmpty())
            enqueue("PRIVMSG NickServ :IDENTIFY " + OneLine(settings_.nickServPassword));
        else if (text.contains("Password accepted", Qt::CaseInsensitive))
            identifiedNow = true;
    }
    const SameLink link = sameLink();
    emit notice(line.prefix.nick, line.prefix.address(), text, line.param(0));
    if (link.holds() && identifiedNow) setAccount(currentNick_);
}

void IrcClient::handleJoin(const IrcLine& line) {
    const QString channel = line.param(0);
    if (channel.isEmpty()) return;
    if (!isMe(line.prefix.nick)) {
        // extended-join: "JOIN #c account :real name", "*" for no account.
        if (line.params.size() >= 3 && ackedCaps_.contains(QStringLiteral("extended-join")))
            accounts_.set(features_.fold(line.prefix.nick),
                          line.param(1) == "*" ? QString() : line.param(1),
                          IrcAccounts::Source::Announced, clock_.elapsed());
        emit userJoined(line.prefix.nick, line.prefix.address(), channel);
        return;
    }
    const QString key = features_.fold(channel);
    pendingJoins_.remove(key);
    channels_.insert(key, {channel, QString()});
    emit joined(channel);
}

void IrcClient::handleMode(const IrcLine& line) {
    const QString channel = line.param(0);
    if (!features_.isChannel(channel)) return;
    const QList<IrcModeChange> changes = features_.walkModes(line.params.mid(1));
    const auto own = channels_.find(features_.fold(channel));
    for (const IrcModeChange& change : changes)
        if (own != channels_.end() && features_.prefixModes().contains(change.mode) &&
            isMe(change.param))
            own->modes = WithMode(own->modes, change.mode, change.adding, features_.prefixModes());
    emit modeChanged(channel, line.prefix.nick, changes);
}

void IrcClient::handleNumeric(const IrcLine& line, int numeric) {
    switch (numeric) {
        case 1:
            handleWelcome(line);
            return;
        case 5:
            features_.apply(line.params.mid(1, line.params.size() - 2));
            return;
        case 353: {
            // "353 me = #c :names"; old servers leave out the channel type.
            const bool typed = line.params.size() >= 4;
            const QString channel = line.param(typed ? 2 : 1);
            const QString key = features_.fold(channel);
            for (const QString& entry : line.param(typed ? 3 : 2).split(' ', Qt::SkipEmptyParts)) {
                const IrcName name = features_.parseName(entry);
                if (name.nick.isEmpty()) continue;
                namesInProgress_[key] << name;
                if (isMe(name.nick) && channels_.contains(key)) channels_[key].modes = name.modes;
            }
            return;
        }
        case 366: {
            const QString channel = line.param(1);
            emit namesReply(channel, namesInProgress_.take(features_.fold(channel)));
            return;
        }
        case 311:  // "311 me nick user host * :real name"
            learnAddress(line.param(1), line.param(2), line.param(3));
            return;
        case 352:  // "352 me #c user host server nick flags :hops real name"
            learnAddress(line.param(5), line.param(2), line.param(3));
            return;
        case 318:
        case 330:
            handleWhoisAccount(line, numeric);
            return;
        case 396:
            if (!line.param(1).isEmpty()) ownHost_ = line.param(1);
            return;
        case 431:
        case 432:
        case 433:
        case 436:
            handleNickRefused(line, numeric);
            return;
        case 900:
            setAccount(line.param(2));
            return;
        case 901:
            account_.clear();
            return;
        case 902:
        case 903:
        case 904:
        case 905:
        case 906:
        case 907:
            finishCapNegotiation();
            return;
        case 403:
        case 405:
        case 471:
        case 473:
        case 474:
        case 475:
        case 476:
        case 477: {
            const QString channel = line.param(1);
            if (pendingJoins_.remove(features_.fold(channel)))
                emit joinRefused(channel, numeric, line.params.last());
            return;
        }
        default:
            return;
    }
}

// ---- what we send ----

void IrcClient::enqueue(const QString& line, bool waitForRegistration) {
    if (!acceptsLines() || quitting_) return;
    const QByteArray bytes = WireLine(line, lineBudget());
    if (bytes.isEmpty()) return;
    if (waitForRegistration && state_ != State::Registered) {
        heldUntilRegistered_ << bytes;
        return;
    }
    queue_.append(bytes);
    pumpQueue();
}

void IrcClient::enqueueUrgent(const QString& line) {
    if (!acceptsLines()) return;
    queue_.appendUrgent(WireLine(line, lineBudget()));
    pumpQueue();
}

void IrcClient::pumpQueue() {
    if (!acceptsLines()) return;
    const SameLink link = sameLink();
    for (const QByteArray& line : queue_.takeDue(clock_.elapsed())) {
        writeLine(line);
        if (!link.holds() || !acceptsLines()) return;
    }
    // The QUIT was the last line.
    if (quitting_ && queue_.isEmpty()) {
        disconnectFromServer();
        return;
    }
    const qint64 wait = queue_.msUntilNext(clock_.elapsed());
    if (wait < 0)
        sendTimer_.stop();
    else
        sendTimer_.start(int(std::max<qint64>(wait, 1)));
}

void IrcClient::writeLine(const QByteArray& line) {
    socket_->write(line + "\r\n");
    emit lineSent(MaskedForLog(QString::fromUtf8(line)));
}

void IrcClient::sendRaw(const QString& line) {
    enqueue(line);
}

void IrcClient::sendText(const QString& command, const QString& target, const QString& text,
                         bool asAction) {
    if (!acceptsLines() || !IsOneName(target)) return;
    const QString head = command + ' ' + target + " :";
    const int room = lineBudget() - Utf8Size(head) -
                     (asAction ? Utf8Size("\x01"
                                          "ACTION \x01")
                               : 0);
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace('\r', '\n');
    lines.remove(QChar(0));
    for (const QString& line : lines.split('\n', Qt::SkipEmptyParts))
        for (const QString& piece : SplitUtf8(line, room))
            enqueue(asAction ? head +
                                   "\x01"
                                   "ACTION " +
                                   piece + '\x01'
                             : head + piece);
}

void IrcClient::sendPrivmsg(const QString& target, const QString& text) {
    sendText(QStringLiteral("PRIVMSG"), target, text, false);
}

void IrcClient::sendNotice(const QString& target, const QString& text) {
    sendText(QStringLiteral("NOTICE"), target, text, false);
}

void IrcClient::sendAction(const QString& target, const QString& text) {
    sendText(QStringLiteral("PRIVMSG"), target, text, true);
}

void IrcClient::join(const QString& channel, const QString& key) {
    if (!acceptsLines() || !IsOneName(channel) || !(key.isEmpty() || IsOneName(key))) return;
    pendingJoins_.insert(features_.fold(channel));
    enqueue("JOIN " + channel + (key.isEmpty() ? QString() : ' ' + key));
}

void IrcClient::part(const QString& channel, const QString& reason) {
    if (!IsOneName(channel)) return;
    enqueue("PART " + channel + (reason.isEmpty() ? QString() : " :" + OneLine(reason)));
}

void IrcClient::kick(const QString& channel, const QString& nick, const QString& reason) {
    if (!IsOneName(channel) || !IsOneName(nick)) return;
    enqueue("KICK " + channel + ' ' + nick +
            (reason.isEmpty() ? QString() : " :" + OneLine(reason)));
}

void IrcClient::quit(const QString& reason) {
    if (!acceptsLines() || quitting_) return;
    queue_.clear();
    heldUntilRegistered_.clear();
    queue_.append(WireLine("QUIT :" + OneLine(reason), lineBudget()));
    quitting_ = true;
    pumpQueue();
}
