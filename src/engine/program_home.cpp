#include "program_home.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString ResolveHomeFolder(const QString& homeOption) {
    if (!homeOption.isEmpty()) return QDir(homeOption).absolutePath();
    const QString fromEnvironment = qEnvironmentVariable("TALVANE_HOME");
    if (!fromEnvironment.isEmpty()) return QDir(fromEnvironment).absolutePath();
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty()) dataHome = QDir::homePath() + "/.local/share";
    return QDir(dataHome).absolutePath() + "/quenmark-talvane";
}

QString ShippedDataFolder() {
    const QString fromEnvironment = qEnvironmentVariable("TALVANE_DATA");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    const QString installed = QCoreApplication::applicationDirPath() + "/../share/quenmark-talvane";
    if (QFileInfo::exists(installed + "/Main/Options.ini")) return QDir(installed).absolutePath();
    return QStringLiteral(TALVANE_SOURCE_DATA_DIR);
}

void SeedProgramHome(const QString& home, const QString& shipped) {
    QDir root;
    // Only the program's own files are seeded: the brain's schema stays in the shipped folder.
    const QStringList seeded = {"Main", "MySQL", "Skins", "sounds"};
    for (const QString& folder : seeded) {
        QDirIterator it(shipped + '/' + folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = home + '/' + QDir(shipped).relativeFilePath(source);
            if (QFileInfo::exists(target)) continue;
            if (!root.mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
                throw HomeSeedError(QStringLiteral("Cannot create %1 in the program home %2.")
                                        .arg(target, home)
                                        .toStdString());
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
        }
    }
    for (const char* folder : {"Logs/Chat", "Logs/NLP", "MySQL/Bin", "MySQL/Tmp"})
        if (!root.mkpath(home + '/' + folder))
            throw HomeSeedError(
                QStringLiteral("Cannot create the folder %1 in the program home %2.")
                    .arg(folder, home)
                    .toStdString());
}
