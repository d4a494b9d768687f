#include "update_check.h"

#include "engine/text_files.h"

#include <QNetworkReply>
#include <QRegularExpression>
#include <QUrl>

namespace {

constexpr int kHubPort = 696;
// An information file is a few lines; more than this is not one.
constexpr qint64 kMostMetaBytes = 64 * 1024;
// A file that keeps redirecting would keep the check running for ever.
constexpr int kMostRedirections = 5;
constexpr int kTimeoutMs = 15000;

int VersionPart(const QStringList& parts, qsizetype at) {
    bool ok = false;
    const int value = parts.value(at).trimmed().toInt(&ok);
    return ok ? value : 0;
}

// "host/path" or "http://host:port/path"; the Hub Server listens on port 696 unless the address
// names a port.
QUrl HubUrl(const QString& address) {
    QUrl url = QUrl::fromUserInput(address.trimmed());
    if (url.port() == -1) url.setPort(kHubPort);
    return url;
}

}  // namespace

QHash<QString, QString> ReadMetaTags(const QString& text) {
    static const QRegularExpression tag(
        R"re(META\s+NAME\s*=\s*"([^"]*)".*CONTENT\s*=\s*"([^"]*)")re",
        QRegularExpression::CaseInsensitiveOption);
    QHash<QString, QString> tags;
    for (const QString& line : text.split('\n')) {
        const QRegularExpressionMatch match = tag.match(line);
        if (match.hasMatch()) tags.insert(match.captured(1), match.captured(2));
    }
    return tags;
}

bool UpdateAvailable(const QString& local, const QString& server) {
    const QStringList mine = local.split('.'), theirs = server.split('.');
    for (qsizetype at = 0; at < mine.size(); ++at) {
        const int a = VersionPart(mine, at), b = VersionPart(theirs, at);
        if (b != a) return b > a;
    }
    return false;
}

QString LocalVersion(const ProgramHome& home, const QString& programVersion) {
    QString level;
    try {
        level = ReadTextLines(home.path("Main/Update.dat")).value(1).trimmed();
    } catch (const TextFileError&) {
        // No update level: the program's version alone.
    }
    return level.isEmpty() ? programVersion : programVersion + '.' + level;
}

QString MetaAddress(const QString& hub) {
    return hub.trimmed() + "/ServerFiles/Meta.dat";
}

QStringList UpdateLines(const UpdateOutcome& outcome) {
    switch (outcome.kind) {
        case UpdateOutcome::Kind::Failed:
            return {"A.I. > Cannot download update(s) - download error."};
        case UpdateOutcome::Kind::Latest:
            return {"A.I. > There is no update(s) for current Q.I.V.O™ version."};
        case UpdateOutcome::Kind::Available:
            break;
    }
    return {"A.I. > Update(s) for Q.I.V.O™ available.",
            "A.I. > Current version: " + outcome.local + " -> New version: " + outcome.server,
            "A.I. > Download address: " + outcome.download,
            "A.I. > To update, pull the new version of the program and start it with ./run."};
}

QString UpdateMessage(const UpdateOutcome& outcome) {
    switch (outcome.kind) {
        case UpdateOutcome::Kind::Failed:
            return "Cannot check for update(s) because Q.I.V.O™ Hub Server™ is offline.";
        case UpdateOutcome::Kind::Latest:
            return "You already have the latest Q.I.V.O™ version.";
        case UpdateOutcome::Kind::Available:
            break;
    }
    return "New Q.I.V.O™ update(s) version No. " + outcome.server +
           " is available.\nDownload address: " + outcome.download +
           "\nTo update, pull the new version of the program and start it with ./run.";
}

void UpdateCheck::CheckForUpdates(const QString& address, const QString& local) {
    if (running_) return;
    running_ = true;
    local_ = local;
    fetch(address, 0);
}

void UpdateCheck::fetch(const QString& address, int redirections) {
    QNetworkRequest request(HubUrl(address));
    request.setHeader(QNetworkRequest::UserAgentHeader, "TmxWebUpdate");
    request.setRawHeader("Accept", "*/*");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(kTimeoutMs);
    QNetworkReply* reply = network_.get(request);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMostMetaBytes) reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, redirections] {
        reply->deleteLater();
        const QByteArray body = reply->readAll();
        if (reply->error() != QNetworkReply::NoError || body.isEmpty()) return fail();
        const QHash<QString, QString> tags = ReadMetaTags(QString::fromUtf8(body));
        const QString next = tags.value("mxRedirection");
        if (next.isEmpty()) return conclude(tags);
        if (redirections >= kMostRedirections) return fail();
        fetch(next, redirections + 1);
    });
}

void UpdateCheck::conclude(const QHash<QString, QString>& tags) {
    if (tags.value("mxProduct").isEmpty() || tags.value("mxVersion").isEmpty()) return fail();
    UpdateOutcome outcome;
    outcome.local = local_;
    outcome.server = tags.value("mxVersion");
    outcome.download = tags.value("mxDownload");
    outcome.kind = UpdateAvailable(local_, outcome.server) ? UpdateOutcome::Kind::Available
                                                           : UpdateOutcome::Kind::Latest;
    running_ = false;
    emit finished(outcome);
}

void UpdateCheck::fail() {
    running_ = false;
    UpdateOutcome outcome;
    outcome.local = local_;
    emit finished(outcome);
}
