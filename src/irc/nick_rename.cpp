#include "nick_rename.h"

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/engine.h"

#include <algorithm>

namespace {

struct Names {
    QString oldNick, newNick, oldKey, newKey;
};

template <typename Record, typename Key>
bool HasKey(const QList<Record>& store, Key Record::*key, const QString& value) {
    return std::any_of(store.begin(), store.end(),
                       [&](const Record& record) { return record.*key == value; });
}

void RenameInputs(QList<TInput>& inputs, const Names& n) {
    for (TInput& input : inputs) {
        if (input.UserNick == n.oldNick) input.UserNick = n.newNick;
        if (input.ReplyTarget == n.oldNick) input.ReplyTarget = n.newNick;
    }
}

void RenameUserVariables(QList<TUserVariables>& records, const Names& n) {
    if (HasKey(records, &TUserVariables::nick, n.newNick)) return;
    for (TUserVariables& record : records)
        if (record.nick == n.oldNick) record.nick = n.newNick;
}

void RenameWatched(Engine& e, const Names& n) {
    QList<TLTimers>& watched = e.state.stores.TimerStore;
    if (HasKey(watched, &TLTimers::userKey, n.newKey)) return;
    for (TLTimers& entry : watched) {
        if (entry.userKey != n.oldKey) continue;
        DetailLine(
            e, "A.I. > Renaming users " + n.oldNick + " information in \"Lonely Talking\" timer..");
        entry.userKey = n.newKey;
        // A private lonely phrase goes to the user under the nick the user has now.
        if (entry.replyTarget == n.oldNick) entry.replyTarget = n.newNick;
        DetailLine(e, "A.I. > Information for user " + n.oldNick + " renamed.");
    }
}

void RenameAnswers(QList<TMMAS>& answers, const Names& n) {
    for (TMMAS& answer : answers) {
        if (answer.userKey != n.oldKey) continue;
        answer.userKey = n.newKey;
        if (answer.replyTarget == n.oldNick) answer.replyTarget = n.newNick;
    }
}

void RenameKeyEvents(QList<TKeyEvents>& events, const Names& n) {
    if (HasKey(events, &TKeyEvents::userKey, n.newKey)) return;
    for (TKeyEvents& event : events)
        if (event.userKey == n.oldKey) event.userKey = n.newKey;
}

// users_online holds one row a user and channel: where the new nick already has its row, the old
// one goes.
void RenameOnline(Query& db, const Names& n) {
    QStringList channels;
    db.open("SELECT channel FROM users_online WHERE " + kExactUser, {n.newKey, n.newKey});
    for (db.first(); !db.eof(); db.next())
        channels << db.field("channel");
    for (const QString& channel : channels)
        RemoveOnlineUser(db, n.oldKey, channel);
    db.execute("UPDATE users_online SET user=? WHERE " + kExactUser,
               {n.newKey, n.oldKey, n.oldKey});
}

// A table of one row a user: renamed only when the new nick has no row yet.
void RenameDialogueRow(Query& db, const QString& table, const Names& n) {
    if (db.open("SELECT `index` FROM " + table + " WHERE " + kExactUser + " LIMIT 1",
                {n.newKey, n.newKey}) > 0)
        return;
    db.execute("UPDATE " + table + " SET user=? WHERE " + kExactUser,
               {n.newKey, n.oldKey, n.oldKey});
}

// The answer being delivered (its target is kept in nick encoding too): its private target follows
// the user, so that its remaining lines reach the same person, and the row becomes the new nick's
// unless that nick has one.
void RenamePendingAnswer(Query& db, const Names& n) {
    db.execute("UPDATE mmas SET channel=? WHERE " + kExactUser + " AND BINARY channel=?",
               {n.newKey, n.oldKey, n.oldKey, n.oldKey});
    RenameDialogueRow(db, QStringLiteral("mmas"), n);
}

}  // namespace

void RemoveOnlineUser(Query& db, const QString& user, const QString& channel) {
    db.execute("DELETE FROM users_online WHERE " + kExactUser + " AND channel=?",
               {user, user, channel});
}

void RenameUser(Engine& engine, const QString& oldNick, const QString& newNick) {
    if (oldNick == newNick) return;
    const Names n{oldNick, newNick, EncodeNick(oldNick), EncodeNick(newNick)};
    Stores& stores = engine.state.stores;
    RenameInputs(stores.InputStore, n);
    RenameUserVariables(stores.UserVarStore, n);
    RenameWatched(engine, n);
    RenameAnswers(stores.MMASStore, n);
    RenameKeyEvents(stores.KeyEventsStore, n);
    Query& db = engine.db;
    RenameOnline(db, n);
    for (const QString& table :
         {QStringLiteral("lastphrase_ai"), QStringLiteral("lastphrase_user")})
        RenameDialogueRow(db, table, n);
    RenamePendingAnswer(db, n);
}
