#include "channel_commands.h"

#include "brain/query.h"
#include "command_call.h"
#include "engine/engine.h"

#include <QStringList>

namespace {

// "qivo", "##qivo" and " #qivo" all name "#qivo".
QString ChannelName(const CommandCall& call) {
    QString name = call.rawAfter().mid(1, 30).remove('#');
    while (name.contains("  "))
        name.replace("  ", " ");
    while (name.startsWith(' '))
        name.remove(0, 1);
    name.prepend('#');
    if (name.endsWith(' ')) name.chop(1);
    return name;
}

// A name the server may take as one channel: no blanks or control characters, not too long.
bool JoinableName(const Engine& e, const QString& name) {
    if (name.size() < 2 || name.size() > e.stages.ChannelNameLimit(e)) return false;
    for (const QChar c : name)
        if (c.isSpace() || c == ',' || c.category() == QChar::Other_Control) return false;
    return true;
}

// The remembered channel of that name, compared without regard to letter case; empty if none.
QString Remembered(Engine& e, const QString& name) {
    if (e.db.open("SELECT * FROM system_channels WHERE UPPER(channel) = ? LIMIT 1",
                  {name.toUpper()}) == 0)
        return QString();
    return e.db.field("channel");
}

}  // namespace

bool PartAll(const CommandCall& call) {
    Engine& e = call.e;
    QStringList channels;
    e.db.open("SELECT * FROM system_channels");
    for (e.db.first(); !e.db.eof(); e.db.next())
        channels << e.db.field("channel");
    for (const QString& channel : channels)
        e.out.irc->PartChannel(channel, QString());
    e.db.execute("TRUNCATE TABLE system_channels");
    call.action("parted all channels.");
    return true;
}

bool PartOne(const CommandCall& call) {
    Engine& e = call.e;
    const QString name = ChannelName(call);
    const QString channel = Remembered(e, name);
    if (channel.isEmpty()) {
        call.action("is not on channel: " + name);
        return true;
    }
    e.db.execute("DELETE FROM system_channels WHERE UPPER(channel) = ?", {channel.toUpper()});
    e.out.irc->PartChannel(channel, QString());
    call.action("parted channel: " + channel);
    return true;
}

bool JoinOne(const CommandCall& call) {
    Engine& e = call.e;
    const QString name = ChannelName(call);
    if (!JoinableName(e, name)) {
        call.action("cannot join channel: " + name + " is not a valid channel name.");
        return true;
    }
    if (!Remembered(e, name).isEmpty()) {
        call.action("is already inside channel: " + name);
        return true;
    }
    e.db.execute("INSERT INTO system_channels (`channel`) VALUES (?)", {name});
    e.out.irc->JoinChannel(name);
    call.action("joined channel: " + name);
    return true;
}
