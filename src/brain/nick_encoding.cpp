#include "nick_encoding.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<QLatin1String, QLatin1String>, 8> kTokens = {{
    {QLatin1String("["), QLatin1String("SPCLFTBRCKT")},
    {QLatin1String("]"), QLatin1String("SPCRGTBRCKT")},
    {QLatin1String("-"), QLatin1String("SPCMNUSYMBL")},
    {QLatin1String("_"), QLatin1String("SPCUNDRSMBL")},
    {QLatin1String("^"), QLatin1String("SPCUPERSMBL")},
    {QLatin1String("`"), QLatin1String("SPCGRMRSMBL")},
    {QLatin1String("|"), QLatin1String("SPCGLINSMBL")},
    {QLatin1String("\\"), QLatin1String("SPCBLINSMBL")},
}};

}  // namespace

QString EncodeNick(const QString& nick) {
    QString key = nick;
    for (const auto& [character, token] : kTokens)
        key.replace(character, token);
    return key;
}

QString DecodeNick(const QString& key) {
    QString nick = key;
    for (const auto& [character, token] : kTokens)
        nick.replace(token, character);
    return nick;
}
