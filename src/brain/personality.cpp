#include "personality.h"

#include "query.h"

QString PersonalityName(int score) {
    if (score >= 13) return "Wery Good";
    if (score >= 3) return "Good";
    if (score >= -2) return "Normal";
    if (score >= -11) return "Bad";
    return "Wery Bad";
}

QString StoredPersonality(Query& db, const QString& userKey) {
    if (db.open("SELECT * FROM users_personality WHERE user=? LIMIT 1", {userKey}) == 0)
        return PersonalityName(0);
    return PersonalityName(db.field("injan").toInt());
}
