#include "teaching_stats.h"

#include "brain/query.h"
#include "engine/engine.h"

namespace {

// A counter that is not a number, as a hand-edited row may hold, counts from 0 again.
qint64 Counter(const Query& db, const QString& column) {
    return db.field(column).trimmed().toLongLong();
}

}  // namespace

void CountTeaching(Engine& engine) {
    Query& db = engine.db;
    const QString& user = engine.state.request.UserKey;
    if (db.open("SELECT * FROM users_stats WHERE user=? LIMIT 1", {user}) == 0) {
        db.execute(
            "INSERT INTO users_stats (`user`, `teached_count`, `erased_count`) VALUES (?, ?, ?)",
            {user, "1", "0"});
        return;
    }
    db.execute(
        "REPLACE users_stats (`index`, `user`, `teached_count`, `erased_count`) VALUES (?, ?, ?, "
        "?)",
        {db.field("index"), user, QString::number(Counter(db, "teached_count") + 1),
         QString::number(Counter(db, "erased_count"))});
}
