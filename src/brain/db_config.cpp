#include "db_config.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>

QString DbConfigPath(const QString& home) {
    return home + "/Main/Database.ini";
}

DbConfig LoadDbConfig(const QString& path) {
    if (!QFileInfo(path).isReadable())
        throw DbConfigError(
            QStringLiteral("The database settings file %1 is missing or unreadable.")
                .arg(path)
                .toStdString());
    QSettings ini(path, QSettings::IniFormat);
    DbConfig config;
    ini.beginGroup("database");
    config.host = ini.value("host", config.host).toString();
    bool portOk = false;
    config.port = ini.value("port", config.port).toInt(&portOk);
    config.socket = ini.value("socket").toString();
    config.user = ini.value("user", config.user).toString();
    config.password = ini.value("password", config.password).toString();
    config.database = ini.value("name", config.database).toString();
    config.managed = ini.value("managed", config.managed).toBool();
    ini.endGroup();
    if (ini.status() != QSettings::NoError || config.database.isEmpty() || !portOk ||
        config.port <= 0 || config.port > 65535)
        throw DbConfigError(
            QStringLiteral("The database settings file %1 is damaged: it needs a database name "
                           "and a port between 1 and 65535.")
                .arg(path)
                .toStdString());
    return config;
}

void SaveDbConfig(const QString& path, const DbConfig& config) {
    const QStringList lines = {
        "; Where the brain lives. With managed=true the program runs its own private MariaDB",
        "; server from the program home (MySQL/) and starts it when it does not answer. To use "
        "another",
        "; MariaDB or MySQL server, set managed=false and give its address, user and password "
        "here.",
        "[database]",
        "host=" + config.host,
        "port=" + QString::number(config.port),
        "socket=" + config.socket,
        "user=" + config.user,
        "password=" + config.password,
        "name=" + config.database,
        QStringLiteral("managed=") + (config.managed ? "true" : "false"),
    };
    QFile file(path);
    // Closed to others before the password is in it.
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    const bool restricted = !file.exists() || file.setPermissions(ownerOnly);
    if (!restricted || !file.open(QIODevice::WriteOnly | QIODevice::Truncate, ownerOnly) ||
        file.write((lines.join('\n') + '\n').toUtf8()) < 0 || !file.flush() ||
        !file.setPermissions(ownerOnly))
        throw DbConfigError(QStringLiteral("Cannot write the database settings file %1: %2")
                                .arg(path, file.errorString())
                                .toStdString());
}

QString NewDbPassword() {
    static const QString letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString password;
    for (int i = 0; i < 24; ++i)
        password += letters[QRandomGenerator::system()->bounded(int(letters.size()))];
    return password;
}
