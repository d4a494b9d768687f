#pragma once

#include <QByteArray>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>

// Who sent a line: "nick!user@host" for a user, a server name for a server. A prefix without
// "!" and "@" is kept whole in `nick` (a server name or a bare nick).
struct IrcPrefix {
    QString nick;
    QString user;
    QString host;

    bool isEmpty() const { return nick.isEmpty() && user.isEmpty() && host.isEmpty(); }
    // "user@host", as the engine stores a user's address; empty for a server.
    QString address() const {
        return user.isEmpty() && host.isEmpty() ? QString() : user + '@' + host;
    }
};

// One line from the server split the IRC way (RFC 1459 with IRCv3 message tags):
//   [@tags] [:prefix] COMMAND [param ...] [:last param with blanks]
// A last parameter written with ":" and one written without are the same parameter.
struct IrcLine {
    QString raw;                  // the decoded line without its line end
    QMap<QString, QString> tags;  // IRCv3 tags, values unescaped; a tag without value maps to ""
    IrcPrefix prefix;
    QString command;  // upper case, or the three digits of a numeric reply
    QStringList params;

    // The line had a command; a line of blanks, or only tags or a prefix, has none.
    bool isValid() const { return !command.isEmpty(); }
    // The numeric reply as a number, -1 for a named command.
    int numeric() const;
    // Parameter i, or an empty text when the line has fewer.
    QString param(qsizetype i) const { return params.value(i); }
};
Q_DECLARE_METATYPE(IrcLine)

// Splits "nick!user@host" (or a server name) into its parts.
IrcPrefix ParseIrcPrefix(QStringView source);

// Splits a line (without its line end). Never fails: whatever cannot be read stays out.
IrcLine ParseIrcLine(const QString& line);
