#include "autostart.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString XdgFolder(const char* variable, const QString& fallback) {
    const QString set = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(set) ? set : QDir::homePath() + '/' + fallback;
}

// One argument of the Exec key, quoted as desktop entries require when it holds anything but
// plain characters.
QString ExecArgument(QString argument) {
    static const QString reserved = " \t\n\"'\\><~|&;$*?#()`=%";
    bool plain = !argument.isEmpty();
    for (const QChar c : argument)
        plain = plain && !reserved.contains(c);
    if (plain) return argument;
    argument.replace('\\', "\\\\").replace('"', "\\\"").replace('`', "\\`").replace('$', "\\$");
    // The key's own escape level: a backslash is written twice, a percent sign doubled.
    argument.replace('\\', "\\\\").replace('%', "%%");
    return '"' + argument + '"';
}

bool DefaultHome(const QString& home) {
    const QString fallback = XdgFolder("XDG_DATA_HOME", ".local/share") + "/quenmark-talvane";
    return QFileInfo(home).absoluteFilePath() == QFileInfo(fallback).absoluteFilePath();
}

}  // namespace

QString AutostartEntryPath() {
    return XdgFolder("XDG_CONFIG_HOME", ".config") + "/autostart/quenmark-talvane.desktop";
}

QString AutostartEntryText(const QString& program, const QString& home) {
    QString exec = ExecArgument(program);
    if (!DefaultHome(home)) exec += " --home " + ExecArgument(QFileInfo(home).absoluteFilePath());
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Q.I.V.O™ Quenmark Talvane™\n"
           "Comment=Main console of the trainable chat character\n"
           "Exec=" +
           exec +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool WriteAutostartEntry(const QString& program, const QString& home) {
    const QString path = AutostartEntryPath();
    if (!QDir().mkpath(QFileInfo(path).path())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(AutostartEntryText(program, home).toUtf8());
    return file.commit();
}

bool RemoveAutostartEntry() {
    return !QFileInfo::exists(AutostartEntryPath()) || QFile::remove(AutostartEntryPath());
}
