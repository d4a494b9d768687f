#pragma once

#include <QFile>
#include <QString>

#include <memory>
#include <unordered_map>

// Log files kept open between lines: a cycle writes several lines, and opening and closing a
// file for each costs more than the line. A file deleted, renamed or replaced by hand is noticed
// at its next line, which opens whatever file then has its path.
class OpenLogs {
  public:
    // Appends `bytes` to the file at `path`. Throws TextFileError when it cannot.
    void append(const QString& path, const QByteArray& bytes);

  private:
    struct Kept {
        std::unique_ptr<QFile> file;
        qint64 lastUse = 0;
    };
    QFile& openAt(const QString& path);

    std::unordered_map<QString, Kept> files_;
    qint64 uses_ = 0;
};
