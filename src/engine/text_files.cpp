#include "text_files.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

QStringList ReadTextLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TextFileError(
            QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()).toStdString());
    QString text = DecodeText(file.readAll());
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    return lines;
}

void WriteTextLines(const QString& path, const QStringList& lines) {
    // Written to a temporary file and renamed, so a full disk never leaves half a settings file.
    QSaveFile file(path);
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TextFileError(
            QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()).toStdString());
}
