#include "engine/text_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(TextRules, ReplacementsKeepTheirOrderAndPasses) {
    QString text = "aaa";
    ReplaceAll(text, u"aa", u"a");
    EXPECT_EQ(text, "aa") << "one pass, left to right";
    text = "a-b-c";
    ReplaceFirst(text, u"-", u"+");
    EXPECT_EQ(text, "a+b-c");
    text = "x y";
    ApplyInOrder(text, {{u"x", u"y"}, {u"y", u"z"}});
    EXPECT_EQ(text, "z z") << "later rules see what earlier ones wrote";
    text = "aa aa";
    ApplyFirstInOrder(text, {{u"a", u"b"}, {u"a", u"c"}});
    EXPECT_EQ(text, "bc aa");
    text = "a        b";
    SqueezeBlanks(text, 2);
    EXPECT_EQ(text, "a  b");
    ReplaceAll(text, u"", u"x");
    EXPECT_EQ(text, "a  b") << "an empty pattern replaces nothing";
}

}  // namespace
