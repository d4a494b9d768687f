#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

class TextFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Text files are UTF-8; a file that is not valid UTF-8 comes from the Windows-era program and is
// read as Windows-1257. Line ends "\n" and "\r\n" both end a line.
QString DecodeText(const QByteArray& bytes);
// Throws TextFileError when the file cannot be opened.
QStringList ReadTextLines(const QString& path);
// Writes the lines, each ended by "\n", replacing the file. Throws TextFileError.
void WriteTextLines(const QString& path, const QStringList& lines);
// Appends one line and closes the file again. Throws TextFileError.
void AppendText(const QString& path, const QString& text);
