#pragma once

#include "brain/text_decoding.h"

#include <QString>
#include <QStringList>

#include <stdexcept>

class TextFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Text files are read with DecodeText (UTF-8, or Windows-1257 for a file of the Windows-era
// program). Line ends "\n" and "\r\n" both end a line.
// Throws TextFileError when the file cannot be opened.
QStringList ReadTextLines(const QString& path);
// Writes the lines, each ended by "\n", replacing the file. Throws TextFileError.
void WriteTextLines(const QString& path, const QStringList& lines);
