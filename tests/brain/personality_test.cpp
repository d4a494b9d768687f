#include "brain/personality.h"

#include "brain/query.h"
#include "support/qstring_printer.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>

TEST(PersonalityName, NamesEachBandUpToItsBoundaries) {
    const std::pair<int, const char*> cases[] = {
        {15, "Wery Good"}, {13, "Wery Good"}, {12, "Good"},      {3, "Good"},
        {2, "Normal"},     {0, "Normal"},     {-2, "Normal"},    {-3, "Bad"},
        {-11, "Bad"},      {-12, "Wery Bad"}, {-15, "Wery Bad"},
    };
    for (const auto& [score, name] : cases)
        EXPECT_EQ(PersonalityName(score), name) << score;
}

TEST(StoredPersonality, NamesTheScoreAsItStands) {
    TestBrain brain;
    Query& db = brain.db();
    EXPECT_EQ(StoredPersonality(db, "anna"), "Normal");
    db.execute("INSERT INTO users_personality (user, injan) VALUES ('anna', '7')");
    EXPECT_EQ(StoredPersonality(db, "anna"), "Good");
    EXPECT_EQ(StoredPersonality(db, "bob"), "Normal");
}
