#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <stdexcept>

// The archive format of the exchange data files, readable by every installation: the members'
// data blocks, then a registry of fixed-size entries (one zlib stream), then a 36-byte trailer
// whose CRC-32 covers everything before it. All integers are little-endian.
//
// Version 2 is written. Version 1, written by older installations, is read: its trailer keeps
// the data size in 32 bits at offset 16, and its 532-byte entries keep the name and folder as in
// version 2, then the original size, the compressed size and the data block's offset as 32-bit
// numbers at 512, 516 and 520, the CRC-32 at 524, the method at 528, the level code at 529 and
// two unused bytes.

// Why an archive could not be read or written, in the system's words.
class ArchiveError : public std::runtime_error {
  public:
    explicit ArchiveError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

struct ArchiveMember {
    QString name;
    QByteArray bytes;
};

// The largest member an archive may hold, as recorded and as inflated: a recorded size beyond
// it, or a stream that inflates beyond its record, is a corrupted archive, never a full disk.
inline constexpr qint64 kMaxMemberSize = qint64(512) * 1024 * 1024;

// Writes the members, without folders, into a new archive at `path`. The archive is written under
// a temporary name and takes its name only when whole, so an archive it replaces is never lost.
// Throws ArchiveError ("%s already exists in the archive" for a name given twice).
void WriteArchive(const QString& path, const QList<ArchiveMember>& members);

class ArchiveReader {
  public:
    // Reads the trailer and the registry; throws ArchiveError.
    explicit ArchiveReader(const QString& path);

    QStringList names() const;
    // The member's original bytes, found by name ignoring case, CRC-checked; throws ArchiveError.
    QByteArray read(const QString& name) const;
    // Writes the member into `folder` (below its stored folder, when it has one), creating
    // folders as needed, never outside `folder`. Returns the path written; throws ArchiveError.
    QString extract(const QString& name, const QString& folder) const;

    struct Entry {
        QString name;
        QString folder;
        qint64 originalSize = 0;
        qint64 storedSize = 0;
        qint64 offset = 0;  // from the archive start
        quint32 crc = 0;
        int method = 0;
    };

  private:
    const Entry& find(const QString& name) const;

    QString path_;
    qint64 start_ = 0;
    QList<Entry> entries_;
};
