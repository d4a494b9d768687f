#include "open_logs.h"

#include "text_files.h"

#include <sys/stat.h>

#include <algorithm>

namespace {

// Two files a conversation (chat and NLP log): enough for the users of a busy channel, far
// below the process's limit of 1024 open files. The longest-silent file is closed first.
constexpr qsizetype kMostOpen = 128;

// Whether the path still names the file that is open.
bool StillAtItsPath(const QFile& file, const QString& path) {
    struct stat atPath {
    }, open{};
    return ::stat(QFile::encodeName(path).constData(), &atPath) == 0 &&
           ::fstat(file.handle(), &open) == 0 && atPath.st_dev == open.st_dev &&
           atPath.st_ino == open.st_ino;
}

[[noreturn]] void Fail(const QString& path, const QString& why) {
    throw TextFileError(QStringLiteral("Cannot write %1: %2").arg(path, why).toStdString());
}

}  // namespace

QFile& OpenLogs::openAt(const QString& path) {
    const auto kept = files_.find(path);
    if (kept != files_.end() && StillAtItsPath(*kept->second.file, path)) {
        kept->second.lastUse = ++uses_;
        return *kept->second.file;
    }
    if (kept != files_.end()) files_.erase(kept);
    if (files_.size() >= kMostOpen) {
        const auto oldest = std::min_element(
            files_.begin(), files_.end(),
            [](const auto& a, const auto& b) { return a.second.lastUse < b.second.lastUse; });
        files_.erase(oldest);
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::Append)) Fail(path, file->errorString());
    QFile& opened = *file;
    files_.emplace(path, Kept{std::move(file), ++uses_});
    return opened;
}

void OpenLogs::append(const QString& path, const QByteArray& bytes) {
    QFile& file = openAt(path);
    // The flush is checked too: a full disk shows only when the buffered line is written out.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        files_.erase(path);
        Fail(path, why);
    }
}
