#include "db_config.h"

#include <QFileInfo>
#include <QSettings>

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
