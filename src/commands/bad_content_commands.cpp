#include "bad_content_commands.h"

#include "brain/query.h"
#include "command_call.h"
#include "engine/engine.h"

#include <QRegularExpression>

namespace {

// The word or words after the command, upper-cased, blanks squeezed.
QString Entry(const CommandCall& call) {
    return call.rawAfter().left(201).simplified().toUpper();
}

bool Exists(Engine& e, const QString& entry) {
    return e.db.open("SELECT * FROM words_bc WHERE UPPER(bc) = ? LIMIT 1", {entry}) > 0;
}

}  // namespace

// The protections match the entries as regular expressions, so an entry that is none would
// break them for every message and nick.
bool AddBadContent(const CommandCall& call) {
    Engine& e = call.e;
    const QString entry = Entry(call);
    if (entry.isEmpty() || !QRegularExpression(entry).isValid()) {
        call.action("cannot add bad content: \"" + entry + "\" is not a valid pattern.");
        return true;
    }
    if (Exists(e, entry)) {
        call.action("bad content already exists.");
        return true;
    }
    const QDateTime now = e.out.clock->now();
    e.db.execute(
        "INSERT INTO words_bc (`bc`, `date_learned`, `time_learned`, `owner`) VALUES (?, ?, ?, ?)",
        {entry, now.toString("yyyy.MM.dd"), now.toString("hh:mm"), e.state.request.UserKey});
    call.action("added bad content.");
    return true;
}

bool RemoveBadContent(const CommandCall& call) {
    Engine& e = call.e;
    const QString entry = Entry(call);
    if (!Exists(e, entry)) {
        call.action("bad content not exist.");
        return true;
    }
    e.db.execute("DELETE FROM words_bc WHERE UPPER(bc) = ?", {entry});
    call.action("erased bad content.");
    return true;
}
