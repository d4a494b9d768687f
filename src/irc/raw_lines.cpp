#include "raw_lines.h"

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/engine.h"
#include "irc_features.h"
#include "irc_line.h"

namespace {

// One line's worth of work on the channel status store.
class OwnStatus {
  public:
    OwnStatus(Engine& engine, const IrcFeatures& features, const QString& ownNick)
        : e_(engine), features_(features), ownNick_(ownNick) {}

    bool isMe(const QString& nick) const { return features_.sameName(nick, ownNick_); }

    // Operator status lets the bot kick: "o" and every status the server ranks above it.
    bool ranksAsOperator(QChar mode) const {
        const qsizetype op = features_.prefixModes().indexOf('o');
        const qsizetype rank = features_.prefixModes().indexOf(mode);
        return op >= 0 && rank >= 0 && rank <= op;
    }

    TIsOp* find(const QString& channel) {
        for (TIsOp& record : e_.state.stores.IsOpStore)
            if (features_.sameName(record.channel, channel)) return &record;
        return nullptr;
    }
    TIsOp& record(const QString& channel) {
        if (TIsOp* found = find(channel)) return *found;
        e_.state.stores.IsOpStore.append(TIsOp{channel, 0, 0});
        return e_.state.stores.IsOpStore.last();
    }

    void log(const QString& what, const QString& channel) {
        e_.out.additional->logLine("A.I. > " + what + " status on channel " + channel + " at " +
                                   e_.out.clock->now().toString("hh:mm:ss") + ".");
    }

    // We were kicked: nothing to say when the record already shows no operator status.
    void kicked(const QString& channel) {
        TIsOp* found = find(channel);
        if (found && found->op == 0) return;
        TIsOp& status = found ? *found : record(channel);
        status.op = 0;
        status.voice = 0;
        log("Lost operator", channel);
    }

    // Our entry in a name list, wherever it stands in the list, is what the server says we hold.
    void listed(const QString& channel, const QString& modes) {
        bool op = false;
        for (QChar mode : modes)
            op = op || ranksAsOperator(mode);
        TIsOp* found = find(channel);
        if (op && !(found && found->op == 1)) {
            record(channel).op = 1;
            log("Got operator", channel);
        } else if (!op && found && found->op == 1) {
            found->op = 0;
            log("Lost operator", channel);
        }
    }

    void modeChanged(const QString& channel, const IrcModeChange& change) {
        if (!isMe(change.param) || !features_.prefixModes().contains(change.mode)) return;
        if (change.mode == 'v') {
            record(channel).voice = change.adding ? 1 : 0;
            log(change.adding ? "Got voice" : "Lost voice", channel);
        } else if (change.mode == 'o' || (change.adding && ranksAsOperator(change.mode))) {
            record(channel).op = change.adding ? 1 : 0;
            log(change.adding ? "Got operator" : "Lost operator", channel);
        }
    }

  private:
    Engine& e_;
    const IrcFeatures& features_;
    const QString& ownNick_;
};

// "353 me = #c :@alice bot +carol" (the channel type "=", "@" or "*"; old servers leave it out).
struct NameList {
    QString channel;
    QList<IrcName> names;
};
NameList ReadNameList(const IrcLine& line, const IrcFeatures& features) {
    const bool typed = line.params.size() >= 4;
    NameList list{line.param(typed ? 2 : 1), {}};
    for (const QString& entry : line.param(typed ? 3 : 2).split(' ', Qt::SkipEmptyParts)) {
        const IrcName name = features.parseName(entry);
        if (!name.nick.isEmpty()) list.names << name;
    }
    return list;
}

// The others of the list go into users_online once each: a list seen again (a rejoin, a
// reconnect) replaces their rows.
void RecordOnlineUsers(Engine& e, const NameList& list, const OwnStatus& own) {
    QVariantList users;
    for (const IrcName& name : list.names)
        if (!own.isMe(name.nick)) users << EncodeNick(name.nick);
    if (users.isEmpty()) return;
    QStringList marks, rows;
    QVariantList rowValues;
    for (const QVariant& user : users) {
        marks << "?";
        rows << "(?, ?)";
        rowValues << user << list.channel;
    }
    e.db.execute("DELETE FROM users_online WHERE channel=? AND user IN (" + marks.join(", ") + ")",
                 QVariantList{list.channel} + users);
    e.db.execute("INSERT INTO users_online (`user`, `channel`) VALUES " + rows.join(", "),
                 rowValues);
}

}  // namespace

void HandleRawLine(Engine& e, const IrcLine& line, const IrcFeatures& features,
                   const QString& ownNick) {
    if (e.state.settings.showIrcReceivedLogTexts) ConsoleLine(e, "IRC > " + line.raw);
    OwnStatus own(e, features, ownNick);
    if (line.command == "KICK") {
        for (const QString& victim : line.param(1).split(',', Qt::SkipEmptyParts))
            if (own.isMe(victim)) own.kicked(line.param(0));
    } else if (line.command == "MODE" && features.isChannel(line.param(0))) {
        for (const IrcModeChange& change : features.walkModes(line.params.mid(1))) {
            own.modeChanged(line.param(0), change);
            if (change.mode == 'b' && change.adding && own.isMe(line.prefix.nick))
                e.stages.BanConfirmed(e, line.param(0), change.param);
        }
    } else if (line.command == "353") {
        const NameList list = ReadNameList(line, features);
        for (const IrcName& name : list.names)
            if (own.isMe(name.nick)) own.listed(list.channel, name.modes);
        ConsoleLine(e, "A.I. > Creating " + list.channel + " user list..");
        RecordOnlineUsers(e, list, own);
        ConsoleLine(e, "A.I. > User list created.");
    }
}
