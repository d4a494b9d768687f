#pragma once

#include <QString>

// Eight characters of nicks are stored in the brain as letter tokens.
QString EncodeNick(const QString& nick);
QString DecodeNick(const QString& key);
