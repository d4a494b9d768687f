#include "irc_config.h"

#include "brain/text_decoding.h"

#include <QFile>

namespace {

[[noreturn]] void Refuse(const QString& path, const QString& key, const QString& takes) {
    throw IrcConfigError(QStringLiteral("The IRC settings file %1 is damaged: %2 takes %3.")
                             .arg(path, key, takes)
                             .toStdString());
}

bool ReadSwitch(const QString& path, const QString& key, const QString& value) {
    const QString word = value.toLower();
    if (word == "true" || word == "yes" || word == "on" || word == "1") return true;
    if (word == "false" || word == "no" || word == "off" || word == "0") return false;
    Refuse(path, key, "true or false");
}

}  // namespace

IrcConfig LoadIrcConfig(const QString& path) {
    IrcConfig config;
    QFile file(path);
    if (!file.exists()) return config;
    if (!file.open(QIODevice::ReadOnly))
        throw IrcConfigError(QStringLiteral("Cannot read the IRC settings file %1: %2")
                                 .arg(path, file.errorString())
                                 .toStdString());
    bool inSection = false;
    for (const QString& rawLine : DecodeText(file.readAll()).split('\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
        if (line.startsWith('[')) {
            inSection = line.compare("[irc]", Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inSection || equals < 0) continue;
        const QString key = line.left(equals).trimmed().toLower();
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        if (key == "tls") {
            config.tls = ReadSwitch(path, key, value);
        } else if (key == "tls_verify") {
            config.tlsVerify = ReadSwitch(path, key, value);
        } else if (key == "ca_file") {
            config.caFile = value;
        } else if (key == "server_password") {
            config.serverPassword = value;
        } else if (key == "sasl") {
            const QString word = value.toLower();
            if (word != "auto" && word != "off") Refuse(path, key, "auto or off");
            config.sasl = word == "off" ? IrcConfig::Sasl::Off : IrcConfig::Sasl::Auto;
        } else if (key == "owner_account") {
            config.ownerAccount = value;
        } else if (key == "reconnect_seconds") {
            bool ok = false;
            config.reconnectSeconds = value.toInt(&ok);
            if (!ok || config.reconnectSeconds < 1) Refuse(path, key, "a number of seconds from 1");
        }
    }
    return config;
}
