#pragma once

#include <QString>

class Query;

// A user's personality is a score from -15 to 15 (users_personality); its name is what taught
// answers are stored under and what the answer lookup matches.

// The personality of a score from -15 to 15.
QString PersonalityName(int score);
// The name of the score the user has now, as it stands: "Normal" for a user without one.
QString StoredPersonality(Query& db, const QString& userKey);
