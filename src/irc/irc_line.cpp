#include "irc_line.h"

namespace {

// IRCv3 tag values escape ";", blank, "\", CR and LF; an unknown escape stands for its letter
// and a lone "\" at the end is dropped.
QString UnescapeTagValue(QStringView value) {
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++i == value.size()) break;
        switch (value[i].unicode()) {
            case ':':
                text += ';';
                break;
            case 's':
                text += ' ';
                break;
            case 'r':
                text += '\r';
                break;
            case 'n':
                text += '\n';
                break;
            default:
                text += value[i];
        }
    }
    return text;
}

}  // namespace

IrcPrefix ParseIrcPrefix(QStringView source) {
    IrcPrefix prefix;
    const qsizetype at = source.indexOf('@');
    const QStringView beforeHost = at < 0 ? source : source.left(at);
    if (at >= 0) prefix.host = source.mid(at + 1).toString();
    const qsizetype bang = beforeHost.indexOf('!');
    prefix.nick = (bang < 0 ? beforeHost : beforeHost.left(bang)).toString();
    if (bang >= 0) prefix.user = beforeHost.mid(bang + 1).toString();
    return prefix;
}

namespace {

// The next word from `pos` up to a blank; moves `pos` past it and the blanks that follow.
QStringView NextWord(QStringView line, qsizetype& pos) {
    const qsizetype start = pos;
    while (pos < line.size() && line[pos] != ' ')
        ++pos;
    const QStringView word = line.mid(start, pos - start);
    while (pos < line.size() && line[pos] == ' ')
        ++pos;
    return word;
}

}  // namespace

int IrcLine::numeric() const {
    if (command.size() != 3) return -1;
    for (QChar c : command)
        if (c < '0' || c > '9') return -1;
    return command.toInt();
}

IrcLine ParseIrcLine(const QString& text) {
    IrcLine line;
    line.raw = text;
    const QStringView view(text);
    qsizetype pos = 0;
    while (pos < view.size() && view[pos] == ' ')
        ++pos;
    if (pos < view.size() && view[pos] == '@') {
        ++pos;
        const QStringView tags = NextWord(view, pos);
        for (QStringView tag : tags.split(';', Qt::SkipEmptyParts)) {
            const qsizetype equals = tag.indexOf('=');
            if (equals < 0)
                line.tags.insert(tag.toString(), QString());
            else if (equals > 0)
                line.tags.insert(tag.left(equals).toString(),
                                 UnescapeTagValue(tag.mid(equals + 1)));
        }
    }
    if (pos < view.size() && view[pos] == ':') {
        ++pos;
        line.prefix = ParseIrcPrefix(NextWord(view, pos));
    }
    line.command = NextWord(view, pos).toString().toUpper();
    if (line.command.isEmpty()) return line;
    while (pos < view.size()) {
        if (view[pos] == ':') {
            line.params << view.mid(pos + 1).toString();
            break;
        }
        line.params << NextWord(view, pos).toString();
    }
    return line;
}
