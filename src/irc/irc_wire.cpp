#include "irc_wire.h"

namespace {

// UTF-8 bytes of one character; a lone surrogate is written as U+FFFD, three bytes.
int Utf8Bytes(char32_t c) {
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

}  // namespace

QString FitUtf8(const QString& text, int maxBytes) {
    const QList<uint> chars = text.toUcs4();
    int bytes = 0;
    qsizetype count = 0;
    while (count < chars.size() && bytes + Utf8Bytes(chars[count]) <= maxBytes)
        bytes += Utf8Bytes(chars[count++]);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()), count);
}

QStringList SplitUtf8(const QString& text, int maxBytes) {
    QStringList pieces;
    if (maxBytes < 4) return pieces;  // room for any character
    const QList<uint> chars = text.toUcs4();
    const auto piece = [&](qsizetype from, qsizetype to) {
        return QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()) + from,
                                 to - from);
    };
    qsizetype start = 0;
    while (start < chars.size()) {
        int bytes = 0;
        qsizetype end = start;
        while (end < chars.size() && bytes + Utf8Bytes(chars[end]) <= maxBytes)
            bytes += Utf8Bytes(chars[end++]);
        if (end == chars.size()) {
            pieces << piece(start, end);
            break;
        }
        // Break at the last blank of the second half, else between two characters.
        qsizetype blank = end;
        while (blank > start + (end - start) / 2 && chars[blank] != ' ')
            --blank;
        const bool atBlank = chars[blank] == ' ' && blank > start;
        pieces << piece(start, atBlank ? blank : end);
        start = atBlank ? blank + 1 : end;
    }
    pieces.removeAll(QString());
    return pieces;
}

QString OneLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace('\r', ' ');
    line.replace('\n', ' ');
    line.remove(QChar(0));
    return line;
}

QByteArray WireLine(const QString& line, int maxBytes) {
    qsizetype end = 0;
    while (end < line.size() && line[end] != '\r' && line[end] != '\n')
        ++end;
    QString kept = line.left(end);
    kept.remove(QChar(0));
    return FitUtf8(kept, maxBytes).toUtf8();
}
