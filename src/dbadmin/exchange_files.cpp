#include "exchange_files.h"

#include "backup_files.h"
#include "brain/text_decoding.h"
#include "exchange_archive.h"
#include "exchange_items.h"
#include "exchange_texts.h"
#include "maintenance_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The member `stem` + `extension`; a file renamed by hand still has its one member of that kind.
QString Member(const ArchiveReader& reader, const QString& stem, const QString& extension) {
    const QStringList names = reader.names();
    if (names.contains(stem + extension, Qt::CaseInsensitive)) return stem + extension;
    QStringList kind;
    for (const QString& name : names)
        if (name.endsWith(extension, Qt::CaseInsensitive)) kind << name;
    return kind.size() == 1 ? kind.first() : stem + extension;
}

QString Existing(const QString& folder, const QString& fileName) {
    const QString path = DataFilePath(folder, fileName);
    if (path.isEmpty() || !QFile::exists(path)) throw ArchiveError(kFileMissing);
    return path;
}

QString PathStem(const QString& path) {
    return DataFileStem(QFileInfo(path).fileName());
}

QString Description(const ArchiveReader& reader, const QString& stem) {
    QString text = DecodeText(reader.read(Member(reader, stem, ".txt")));
    text.replace("\r\n", "\n");
    if (text.endsWith('\n')) text.chop(1);
    return text;
}

QByteArray Rows(const ArchiveReader& reader, const QString& stem) {
    return reader.read(Member(reader, stem, ".sql"));
}

// The archive at `path` holding `stem`.sql and `stem`.txt.
void WriteDataFileAt(const QString& path, const QString& stem, const QByteArray& rows,
                     const QString& description) {
    // Lines as the Windows-era installations write them, so they read the description too.
    QString text = description;
    text.replace("\r\n", "\n").replace('\n', "\r\n");
    WriteArchive(path, {{stem + ".sql", rows}, {stem + ".txt", (text + "\r\n").toUtf8()}});
}

}  // namespace

QString ExchangeFolder(const QString& home) {
    return home + "/MySQL/Exchange";
}

QStringList ListDataFiles(const QString& folder) {
    return QDir(folder).entryList({"*.xpt"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

void RemoveLeftovers(const QString& folder) {
    QDir dir(folder);
    for (const QString& name : dir.entryList({"*.sql", "*.txt"}, QDir::Files))
        dir.remove(name);
}

QString DataFileStem(const QString& fileName) {
    return fileName.endsWith(".xpt", Qt::CaseInsensitive) ? fileName.chopped(4) : fileName;
}

QString DataFilePath(const QString& folder, const QString& fileName) {
    return StaysInFolder(fileName) ? folder + '/' + fileName : QString();
}

QString ReadDescription(const QString& path) {
    return Description(ArchiveReader(path), PathStem(path));
}

QByteArray ReadRows(const QString& path) {
    return Rows(ArchiveReader(path), PathStem(path));
}

void WriteDataFile(const QString& folder, const QString& stem, const QByteArray& rows,
                   const QString& description) {
    if (!QDir().mkpath(folder)) throw ArchiveError("Cannot create the folder " + folder);
    WriteDataFileAt(folder + '/' + stem + ".xpt", stem, rows, description);
}

// Written back under its own name, whatever the case of its ".xpt": a dropped "brain.XPT" stays
// one data file.
void ModifyDescription(const QString& folder, const QString& fileName, const QString& description) {
    const QString path = Existing(folder, fileName);
    WriteDataFileAt(path, DataFileStem(fileName), ReadRows(path), description);
}

QString RenameDataFile(const QString& folder, const QString& fileName, const QString& answer) {
    const QString path = Existing(folder, fileName);
    const QString stem = CleanDataFileName(answer);
    if (stem.isEmpty() || stem == "_") return {};
    const QString renamed = stem + ".xpt";
    if (renamed == fileName) return renamed;
    if (QFile::exists(folder + '/' + renamed)) throw ArchiveError(kFileExists);
    // The members carry the new name too; the old file goes only once the new one is whole.
    const ArchiveReader reader(path);
    const QString oldStem = DataFileStem(fileName);
    WriteDataFile(folder, stem, Rows(reader, oldStem), Description(reader, oldStem));
    if (!QFile::remove(path)) throw ArchiveError(kCouldNotDelete);
    return renamed;
}

void EraseDataFile(const QString& folder, const QString& fileName) {
    if (!QFile::remove(Existing(folder, fileName))) throw ArchiveError(kCouldNotDelete);
}

bool AcceptDroppedFile(const QString& folder, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (!name.endsWith(".xpt", Qt::CaseInsensitive) || name.size() <= 4) return false;
    if (!QDir().mkpath(folder)) throw ArchiveError("Cannot create the folder " + folder);
    const QString target = folder + '/' + name;
    if (QFileInfo(path).canonicalFilePath() == QFileInfo(target).canonicalFilePath()) return true;
    // The copy replaces a file of that name only once it is whole: a copy that fails at any point
    // leaves the old file as it was.
    QFile source(path);
    QSaveFile copy(target);
    if (!source.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly))
        throw ArchiveError("Cannot copy " + path);
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() || copy.write(chunk) != chunk.size()) {
            copy.cancelWriting();
            break;
        }
    }
    if (!copy.commit()) throw ArchiveError("Cannot copy " + path);
    return true;
}
