#include "exchange_archive.h"

#include "brain/text_decoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <zlib.h>

namespace {

const QString kCorrupted = "The archive appears to be corrupted";
constexpr int kTrailerSize = 36;
constexpr int kEntrySize = 550;
constexpr int kEntrySizeV1 = 532;
constexpr int kNameField = 256;
constexpr quint32 kMaxMembers = 65536;
constexpr int kMethodZlib = 0;
constexpr int kMethodStored = 1;
constexpr int kLevelHighest = 3;

[[noreturn]] void Corrupted() {
    throw ArchiveError(kCorrupted);
}

quint32 Crc32(const QByteArray& bytes, uLong crc = crc32(0L, Z_NULL, 0)) {
    // zlib takes at most 4 GiB at once; members are capped far below.
    return quint32(
        crc32(crc, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())));
}

template <typename T>
T At(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

template <typename T>
void Put(QByteArray& bytes, qsizetype offset, T value) {
    qToLittleEndian<T>(value, bytes.data() + offset);
}

QByteArray Deflate(const QByteArray& bytes) {
    uLongf size = compressBound(uLong(bytes.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(bytes.constData()), uLong(bytes.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return {};
    out.truncate(qsizetype(size));
    return out;
}

// Inflates a zlib stream that must give exactly `size` bytes: a stream that would give more is
// stopped there, so a small archive cannot fill the memory or the disk.
QByteArray Inflate(const QByteArray& stream, qint64 size) {
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    z_stream z{};
    if (inflateInit(&z) != Z_OK) Corrupted();
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.constData()));
    z.avail_in = uInt(stream.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(size);
    int result = inflate(&z, Z_FINISH);
    if (result == Z_BUF_ERROR && z.avail_out == 0) {
        // The output is full: the stream must end here, or it holds more than its record.
        char extra = 0;
        z.next_out = reinterpret_cast<Bytef*>(&extra);
        z.avail_out = 1;
        result = inflate(&z, Z_FINISH);
        if (z.avail_out == 0) result = Z_DATA_ERROR;
    }
    const bool whole = result == Z_STREAM_END && z.total_out == uLong(size);
    inflateEnd(&z);
    if (!whole) Corrupted();
    return out;
}

QByteArray NameField(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() >= kNameField)
        throw ArchiveError(text + " is too long a name for the archive");
    QByteArray field(kNameField, '\0');
    field[0] = char(bytes.size());
    field.replace(1, bytes.size(), bytes);
    return field;
}

QString ReadNameField(const QByteArray& entry, qsizetype offset) {
    const int length = quint8(entry[offset]);
    return DecodeText(entry.mid(offset + 1, length));
}

// A name taken from an archive may come from anyone: it must stay a name inside the target
// folder, whatever the file system would make of it.
bool SafeName(const QString& name, bool isFolder) {
    if (name.contains(QChar(0)) || name.contains('\\') || name.startsWith('/') ||
        name.contains(".."))
        return false;
    if (isFolder) return name.isEmpty() || !(name.size() >= 2 && name[1] == ':');
    return !name.isEmpty() && !name.contains('/') && name != ".";
}

QByteArray ReadAt(QFile& file, qint64 offset, qint64 size) {
    if (!file.seek(offset)) Corrupted();
    const QByteArray bytes = file.read(size);
    if (bytes.size() != size) Corrupted();
    return bytes;
}

// The CRC-32 of `size` bytes from `offset`, read a piece at a time.
quint32 FileCrc32(QFile& file, qint64 offset, qint64 size) {
    if (!file.seek(offset)) Corrupted();
    uLong crc = crc32(0L, Z_NULL, 0);
    for (qint64 left = size; left > 0;) {
        const QByteArray piece = file.read(std::min<qint64>(left, 1 << 20));
        if (piece.isEmpty()) Corrupted();
        crc = Crc32(piece, crc);
        left -= piece.size();
    }
    return quint32(crc);
}

ArchiveReader::Entry ParseEntry(const QByteArray& raw, int version) {
    ArchiveReader::Entry entry;
    entry.name = ReadNameField(raw, 0);
    entry.folder = ReadNameField(raw, kNameField);
    if (version == 1) {
        entry.originalSize = At<quint32>(raw, 512);
        entry.storedSize = At<quint32>(raw, 516);
        entry.offset = At<quint32>(raw, 520);
        entry.crc = At<quint32>(raw, 524);
        entry.method = quint8(raw[528]);
        if (entry.method == kMethodStored) entry.storedSize = entry.originalSize;
        if (entry.originalSize > kMaxMemberSize || entry.storedSize > kMaxMemberSize) Corrupted();
        return entry;
    }
    const quint64 original = At<quint64>(raw, 512);
    const quint64 compressed = At<quint64>(raw, 520);
    const quint64 encrypted = At<quint64>(raw, 528);
    const quint64 offset = At<quint64>(raw, 536);
    entry.crc = At<quint32>(raw, 544);
    entry.method = quint8(raw[548]);
    const quint64 stored = entry.method == kMethodZlib     ? compressed
                           : entry.method == kMethodStored ? original
                                                           : encrypted;
    const quint64 cap = quint64(kMaxMemberSize);
    if (original > cap || stored > cap || offset > quint64(std::numeric_limits<qint64>::max()))
        Corrupted();
    entry.originalSize = qint64(original);
    entry.storedSize = qint64(stored);
    entry.offset = qint64(offset);
    return entry;
}

}  // namespace

void WriteArchive(const QString& path, const QList<ArchiveMember>& members) {
    QByteArray data;
    QByteArray registry;
    for (qsizetype i = 0; i < members.size(); ++i) {
        const ArchiveMember& member = members[i];
        for (qsizetype j = 0; j < i; ++j)
            if (members[j].name.compare(member.name, Qt::CaseInsensitive) == 0)
                throw ArchiveError(member.name + " already exists in the archive");
        if (member.bytes.size() > kMaxMemberSize)
            throw ArchiveError(member.name + " is too large for the archive");
        const QByteArray compressed = Deflate(member.bytes);
        const bool deflated = !compressed.isEmpty() && compressed.size() < member.bytes.size();
        QByteArray entry(kEntrySize, '\0');
        entry.replace(0, kNameField, NameField(member.name));
        Put<quint64>(entry, 512, quint64(member.bytes.size()));
        Put<quint64>(entry, 520, deflated ? quint64(compressed.size()) : 0);
        Put<quint64>(entry, 536, quint64(data.size()));
        Put<quint32>(entry, 544, Crc32(member.bytes));
        entry[548] = char(deflated ? kMethodZlib : kMethodStored);
        entry[549] = char(deflated ? kLevelHighest : 0);
        registry += entry;
        data += deflated ? compressed : member.bytes;
    }
    const QByteArray packed = Deflate(registry);
    const bool packedOk = !packed.isEmpty() || registry.isEmpty();
    QByteArray body = data + (packedOk ? packed : registry);
    QByteArray trailer(kTrailerSize, '\0');
    Put<quint32>(trailer, 0, Crc32(body));
    Put<quint32>(trailer, 4, quint32(members.size()));
    Put<quint32>(trailer, 8, 2);
    Put<quint32>(trailer, 12, quint32(body.size() - data.size()));
    Put<quint64>(trailer, 16, quint64(data.size()));
    Put<quint32>(trailer, 24, packedOk ? 1 : 0);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() ||
        file.write(trailer) != trailer.size() || !file.commit())
        throw ArchiveError("Cannot write " + path + ": " + file.errorString());
}

ArchiveReader::ArchiveReader(const QString& path) : path_(path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ArchiveError("Cannot open " + path + ": " + file.errorString());
    const qint64 size = file.size();
    if (size < kTrailerSize) Corrupted();
    const QByteArray trailer = ReadAt(file, size - kTrailerSize, kTrailerSize);
    const quint32 version = At<quint32>(trailer, 8);
    if (version != 1 && version != 2)
        throw ArchiveError(
            QStringLiteral("The archive was created with a different version of ZLBArchive (v%1)")
                .arg(version));
    const quint32 count = At<quint32>(trailer, 4);
    const quint32 registrySize = At<quint32>(trailer, 12);
    const quint64 dataSize = version == 1 ? At<quint32>(trailer, 16) : At<quint64>(trailer, 16);
    const qint64 room = size - kTrailerSize;
    if (count > kMaxMembers || registrySize > quint64(room) || dataSize > quint64(room) ||
        qint64(registrySize) + qint64(dataSize) > room)
        Corrupted();
    start_ = room - qint64(registrySize) - qint64(dataSize);
    if (FileCrc32(file, start_, room - start_) != At<quint32>(trailer, 0)) Corrupted();

    const int entrySize = version == 1 ? kEntrySizeV1 : kEntrySize;
    const qint64 registryBytes = qint64(count) * entrySize;
    const QByteArray stored = ReadAt(file, start_ + qint64(dataSize), registrySize);
    // A version 1 trailer's flag is not to be trusted where it sits; a stored registry is known
    // by its size, which no compressed one reaches.
    const bool packed =
        version == 1 ? stored.size() != registryBytes : At<quint32>(trailer, 24) != 0;
    const QByteArray registry =
        packed && !stored.isEmpty() ? Inflate(stored, registryBytes) : stored;
    if (registry.size() != registryBytes) Corrupted();
    for (quint32 i = 0; i < count; ++i) {
        Entry entry = ParseEntry(registry.mid(qsizetype(i) * entrySize, entrySize), int(version));
        if (entry.offset > qint64(dataSize) || entry.storedSize > qint64(dataSize) - entry.offset)
            Corrupted();
        entries_ << entry;
    }
}

QStringList ArchiveReader::names() const {
    QStringList names;
    for (const Entry& entry : entries_)
        names << (entry.folder.isEmpty() ? entry.name : entry.folder + '/' + entry.name);
    return names;
}

const ArchiveReader::Entry& ArchiveReader::find(const QString& name) const {
    const qsizetype slash = name.lastIndexOf('/');
    const QString folder = slash < 0 ? QString() : name.left(slash);
    const QString file = name.mid(slash + 1);
    for (const Entry& entry : entries_)
        if (entry.name.compare(file, Qt::CaseInsensitive) == 0 &&
            entry.folder.compare(folder, Qt::CaseInsensitive) == 0)
            return entry;
    throw ArchiveError(name + " not found in archive");
}

QByteArray ArchiveReader::read(const QString& name) const {
    const Entry& entry = find(name);
    if (entry.method != kMethodZlib && entry.method != kMethodStored)
        throw ArchiveError("No password given for encrypted file");
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        throw ArchiveError("Cannot open " + path_ + ": " + file.errorString());
    const QByteArray block = ReadAt(file, start_ + entry.offset, entry.storedSize);
    const QByteArray bytes =
        entry.method == kMethodZlib ? Inflate(block, entry.originalSize) : block;
    if (Crc32(bytes) != entry.crc) throw ArchiveError(entry.name + " failed CRC check");
    return bytes;
}

QString ArchiveReader::extract(const QString& name, const QString& folder) const {
    const Entry& entry = find(name);
    if (!SafeName(entry.name, false) || !SafeName(entry.folder, true))
        throw ArchiveError(entry.name + " has a name that may not be extracted");
    const QByteArray bytes = read(name);
    const QString root = QDir(folder).absolutePath();
    QString target = root;
    for (const QString& part : entry.folder.split('/', Qt::SkipEmptyParts)) {
        target += '/' + part;
        // A folder the archive names must be a folder of its own, not a link out of the target.
        if (QFileInfo(target).isSymLink() || !QDir().mkpath(target))
            throw ArchiveError("Cannot create the folder " + target);
    }
    const QString path = target + '/' + entry.name;
    if (!QDir::cleanPath(path).startsWith(root + '/'))
        throw ArchiveError(entry.name + " has a name that may not be extracted");
    // A link of that name goes first: the member replaces it, never writes through it.
    if (QFileInfo(path).isSymLink() && !QFile::remove(path))
        throw ArchiveError("Cannot replace the link " + path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ArchiveError("Cannot write " + path + ": " + file.errorString());
    return path;
}
