#include "db_config_rebuild.h"

#include "brain/db_config.h"
#include "engine/text_files.h"
#include "server_files.h"
#include "setup_state.h"

#include <QDir>
#include <QFileInfo>

QString RebuildMissingDbConfig(const QString& home) {
    const QString path = DbConfigPath(home);
    if (QFileInfo::exists(path)) return {};
    try {
        if (ReadSetupState(home + "/MySQL/Setup.dat").installPending()) return {};
    } catch (const TextFileError&) {
        return {};  // a new home: seeded from the shipped files
    }
    DbConfig config;
    const int port = ServerFilePort(home);
    if (port > 0) config.port = port;
    config.password = NewDbPassword();
    QDir().mkpath(QFileInfo(path).path());
    SaveDbConfig(path, config);
    return QStringLiteral(
               "The database settings file %1 was missing. It has been rebuilt from "
               "this home's server files: port %2%3, and a new password for the "
               "brain's user, which its server is given now.")
        .arg(path)
        .arg(config.port)
        .arg(port > 0 ? "" : " (my.cnf names none: the default)");
}
