#pragma once

#include <QString>

// Eight characters of nicks are stored in the brain as letter tokens.
QString EncodeNick(const QString& nick);
QString DecodeNick(const QString& key);

// The rows of one encoded user, the user bound twice: the prefix index narrows, BINARY makes the
// match exact whatever the column's collation.
inline const QString kExactUser = QStringLiteral("user=? AND BINARY user=?");
