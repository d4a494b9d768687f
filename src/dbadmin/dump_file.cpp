#include "dump_file.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The last line that holds more than blanks; a dump is read from its end for it.
QByteArray LastLine(QFile& file) {
    const qint64 tail = qMin<qint64>(file.size(), 4096);
    file.seek(file.size() - tail);
    const QList<QByteArray> lines = file.read(tail).split('\n');
    for (auto line = lines.crbegin(); line != lines.crend(); ++line)
        if (!line->trimmed().isEmpty()) return line->trimmed();
    return {};
}

bool HoldsTableDefinition(QFile& file) {
    file.seek(0);
    while (!file.atEnd())
        if (file.readLine().startsWith("CREATE TABLE")) return true;
    return false;
}

}  // namespace

QString DumpFault(const QString& path) {
    if (!QFileInfo(path).isFile()) return "does not exist";
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "cannot be read: " + file.errorString();
    if (file.size() == 0) return "is empty";
    if (!LastLine(file).startsWith(kDumpCompleted.toUtf8()))
        return "is cut short: it does not end with the dump's completion line \"" + kDumpCompleted +
               "\"";
    if (!HoldsTableDefinition(file)) return "holds no table definitions";
    return {};
}
