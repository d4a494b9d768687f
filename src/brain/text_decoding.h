#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

// Text from files and from the wire is UTF-8; text that is not valid UTF-8 comes from the
// Windows-era installations and peers, which wrote Windows-1257 (Baltic).
inline QString DecodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder baltic("windows-1257");
    return baltic.isValid() ? QString(baltic.decode(bytes)) : QString::fromLatin1(bytes);
}
