#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// Archives put together byte by byte from the published layout, without the program's writer, so
// that the reader is checked against the format and not against itself.
struct HandMember {
    QByteArray name;
    QByteArray bytes;
    int method = 0;  // 0 zlib stream, 1 stored, 2 and 3 encrypted
    QByteArray folder = {};
    std::optional<quint64> recordedSize = {};  // the original size as recorded, when it lies
    std::optional<quint32> crc = {};           // the member's CRC as recorded, when it lies
};

struct HandArchive {
    int version = 2;
    bool packedRegistry = true;
    QByteArray before = {};  // bytes in the file before the archive start
};

QByteArray BuildArchive(const QList<HandMember>& members, const HandArchive& form = {});
// A zlib stream of `bytes` at the highest level.
QByteArray ZlibStream(const QByteArray& bytes);
quint32 ZlibCrc(const QByteArray& bytes);
