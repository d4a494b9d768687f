#include "irc/join_limits.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kStart(QDate(2026, 12, 10), QTime(12, 0, 0));

// Seconds after the start of each kick, and whether the character joins again after it.
TEST(JoinLimits, ThreeKicksWithinFiveMinutesFromOneChannelEndTheRejoins) {
    const struct {
        const char* name;
        QList<std::pair<int, bool>> kicks;
    } cases[] = {
        {"the third kick in a row", {{0, true}, {10, true}, {20, false}, {30, false}}},
        {"kicks spread over more than five minutes", {{0, true}, {200, true}, {400, true}}},
        {"the window moves on", {{0, true}, {10, true}, {20, false}, {320, true}}},
        {"a clock set back counts the old kicks out", {{0, true}, {10, true}, {-100, true}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        JoinLimits limits;
        for (const auto& [at, rejoins] : c.kicks)
            EXPECT_EQ(limits.mayRejoin("#c", kStart.addSecs(at)), rejoins) << at;
    }
}

TEST(JoinLimits, KicksCountPerChannelAndOneInviteAMinuteIsFollowed) {
    JoinLimits limits;
    EXPECT_TRUE(limits.mayRejoin("#a", kStart));
    EXPECT_TRUE(limits.mayRejoin("#a", kStart));
    EXPECT_TRUE(limits.mayRejoin("#b", kStart));
    EXPECT_FALSE(limits.mayRejoin("#a", kStart));

    EXPECT_TRUE(limits.mayFollowInvite(kStart));
    EXPECT_FALSE(limits.mayFollowInvite(kStart.addSecs(59)));
    EXPECT_TRUE(limits.mayFollowInvite(kStart.addSecs(60)));
    EXPECT_FALSE(limits.mayFollowInvite(kStart.addSecs(61)));
}

}  // namespace
