#include "hand_archive.h"

#include <QtEndian>

#include <zlib.h>

namespace {

void Put32(QByteArray& bytes, int offset, quint32 value) {
    qToLittleEndian<quint32>(value, bytes.data() + offset);
}

void Put64(QByteArray& bytes, int offset, quint64 value) {
    qToLittleEndian<quint64>(value, bytes.data() + offset);
}

void PutName(QByteArray& entry, int offset, const QByteArray& name) {
    entry[offset] = char(name.size());
    entry.replace(offset + 1, name.size(), name);
}

}  // namespace

QByteArray ZlibStream(const QByteArray& bytes) {
    uLongf size = compressBound(uLong(bytes.size()));
    QByteArray out(int(size), '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(bytes.constData()), uLong(bytes.size()), 9);
    return out.left(int(size));
}

quint32 ZlibCrc(const QByteArray& bytes) {
    return quint32(crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())));
}

QByteArray BuildArchive(const QList<HandMember>& members, const HandArchive& form) {
    const int entrySize = form.version == 1 ? 532 : 550;
    QByteArray data, registry;
    for (const HandMember& member : members) {
        const QByteArray block = member.method == 0 ? ZlibStream(member.bytes) : member.bytes;
        QByteArray entry(entrySize, '\0');
        PutName(entry, 0, member.name);
        PutName(entry, 256, member.folder);
        const quint64 size = member.recordedSize.value_or(quint64(member.bytes.size()));
        const quint32 crc = member.crc.value_or(ZlibCrc(member.bytes));
        if (form.version == 1) {
            Put32(entry, 512, quint32(size));
            Put32(entry, 516, member.method == 0 ? quint32(block.size()) : 0);
            Put32(entry, 520, quint32(data.size()));
            Put32(entry, 524, crc);
            entry[528] = char(member.method);
        } else {
            Put64(entry, 512, size);
            Put64(entry, 520, member.method == 0 ? quint64(block.size()) : 0);
            Put64(entry, 528, member.method >= 2 ? quint64(block.size()) : 0);
            Put64(entry, 536, quint64(data.size()));
            Put32(entry, 544, crc);
            entry[548] = char(member.method);
            entry[549] = char(member.method == 0 ? 3 : 0);
        }
        registry += entry;
        data += block;
    }
    const QByteArray stored = form.packedRegistry ? ZlibStream(registry) : registry;
    QByteArray trailer(36, '\0');
    Put32(trailer, 0, ZlibCrc(data + stored));
    Put32(trailer, 4, quint32(members.size()));
    Put32(trailer, 8, quint32(form.version));
    Put32(trailer, 12, quint32(stored.size()));
    if (form.version == 1) {
        Put32(trailer, 16, quint32(data.size()));
        Put32(trailer, 20, form.packedRegistry ? 1 : 0);
    } else {
        Put64(trailer, 16, quint64(data.size()));
        Put32(trailer, 24, form.packedRegistry ? 1 : 0);
    }
    return form.before + data + stored + trailer;
}
