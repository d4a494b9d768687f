#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text on the wire is UTF-8, a line is at most 512 bytes with its CR LF, and CR, LF and NUL
// inside a line would end it or be refused. These helpers cut text to fit, never inside a
// character.

constexpr int kIrcLineBytes = 512;  // a whole line with its CR LF

// The longest start of `text` whose UTF-8 form has at most `maxBytes` bytes.
QString FitUtf8(const QString& text, int maxBytes);

// `text` cut into pieces of at most `maxBytes` UTF-8 bytes each, so that nothing is lost: a piece
// ends at its last blank when that blank is in the piece's second half (the blank itself goes),
// else between two characters. No piece is empty; an empty text gives none.
QStringList SplitUtf8(const QString& text, int maxBytes);

// The text with every CR, LF and NUL gone: line ends become blanks, NULs vanish.
QString OneLine(const QString& text);

// A raw line as it may be written: up to its first CR or LF, without NULs, cut to `maxBytes`.
QByteArray WireLine(const QString& line, int maxBytes);
