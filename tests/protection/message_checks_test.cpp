#include "protection/protection_fixture.h"

#include <functional>

namespace {

// One message of a scripted conversation and what the protections make of it.
struct Step {
    int ms;
    const char* text;
    bool passes;            // reaches the queue
    const char* kick = "";  // the kick event it draws, if any
    bool ban = false;       // and the two ban modes before the kick
};

struct Script {
    const char* name;
    std::function<void(Settings&)> configure;
    std::vector<Step> steps;
};

void PrintTo(const Script& script, std::ostream* out) {
    *out << script.name;
}

class MessageProtection : public ProtectionFixture, public ::testing::WithParamInterface<Script> {
  protected:
    MessageProtection() {
        addBadWord("spammer");
        addBadWord("(");  // no valid pattern: must not disturb the word test
    }
};

// Each step is checked on its own: what passed, which kick and ban lines it sent.
TEST_P(MessageProtection, KicksAndBansExactlyAtTheLimits) {
    GetParam().configure(settings());
    for (const Step& step : GetParam().steps) {
        SCOPED_TRACE(QString("%1 ms: %2").arg(step.ms).arg(step.text).toStdString());
        fakes.irc.sent.clear();
        EXPECT_EQ(post("Bob", step.text, step.ms), step.passes);
        const QString kick = *step.kick ? kickLine("Bob", step.kick) : QString();
        EXPECT_EQ(sent("KICK"), kick.isEmpty() ? QStringList{} : QStringList{kick});
        const QStringList bans = {"MODE #qivo +b Bob!*@*", "MODE #qivo +b *!*@host.example"};
        EXPECT_EQ(sent("MODE"), step.ban ? bans : QStringList{});
    }
}

const char* const kFlood = "On Flood - Kick";
const char* const kFloodBan = "On Flood - Ban Kick";
const char* const kSpam = "On Spam - Kick";
const char* const kSpamBan = "On Spam - Ban Kick";
const char* const kBc = "On Bc - Kick";
const char* const kBcBan = "On Bc - Ban Kick";

void Flood(Settings& s) {
    s.protectFromMessageFlood = true;
    s.FloodMs = "1000";
    s.FloodLines = "3";
    s.FloodKicks = "2";
}

void Spam(Settings& s) {
    s.protectFromSpam = true;
    s.AntispamMs = "2000";
    s.SpamAllowed = "1";
    s.SpamKicks = "1";
    s.SpamRepeatings = "2";
    s.SpamMaxLength = "30";
    s.SpamLens = "1";
    s.SpamMaxSymbls = "8";
    s.SpamMaxLongwords = "1";
    s.SpamWLens = "1";
    s.SpamCapsPercent = "50";
    s.SpamCapsFrom = "5";
    s.SpamMaxCaps = "1";
}

void BadContent(Settings& s) {
    s.protectFromBadContent = true;
    s.BcAllowed = "1";
    s.BcKicks = "1";
}

const Script kScripts[] = {
    {"FourFastMessagesKickTheFourth",
     Flood,
     {{-5000, "first ever", true},  // only makes the record
      {0, "one", true},
      {200, "two", false},
      {400, "three", false},
      {600, "four", false, kFlood}}},
    {"MessagesExactlyTheIntervalApartAreNotFast",
     Flood,
     {{0, "a", true}, {1000, "b", true}, {2000, "c", true}, {3000, "d", true}, {4000, "e", true}}},
    {"TheThirdFloodKickBans",
     Flood,
     {{0, "a", true},
      {100, "b", false},
      {200, "c", false},
      {300, "d", false, kFlood},
      {400, "e", false},
      {500, "f", false},
      {600, "g", false, kFlood},
      {700, "h", false},
      {800, "i", false},
      {900, "j", false, kFloodBan, true},
      {5000, "k", true}}},
    {"FirstMessageOnlyMakesTheRecordOfSpam",
     Spam,
     {{0, "HELLO WORLD AGAIN", true},
      {10000, "SHOUTING LOUDLY NOW", true},
      {20000, "MORE SHOUTING HERE", true, kSpam}}},
    {"ShoutingCountsOnlyPastThePercentAndLength",
     Spam,
     {{0, "x", true},
      {10000, "Hello World", true},  // 20 % capitals
      {20000, "HI YOU", true},       // 100 % and six characters: counts once
      {30000, "ABCDE", true},        // five characters: too short to judge
      {40000, "LOUD AND CLEAR", true, kSpam}}},
    {"LongWordsAndLongText",
     Spam,
     {{0, "x", true},
      {10000, "extraordinary circumstances", true},  // two words over 8
      {20000, "unbelievable extraordinary", true, kSpam},
      {30000, "one extraordinary word", true},  // only one long word
      {40000, "a message of words that is longer than thirty", true},
      {50000, "another message that is longer than thirty", true, kSpamBan, true}}},
    {"RepetitionsAfterTheAllowedCount",
     Spam,
     {{0, "same", true},
      {5000, "same", true},
      {10000, "same", true},
      {15000, "same", true, kSpam},
      {20000, "same", true}}},
    {"QuickRepeatsAreDroppedAndKickPastTheAllowed",
     Spam,
     {{0, "x", true},
      {5000, "hello", true},
      {5500, "hello", false},  // within 2 s of the previous one
      {9000, "other", true},
      {9500, "hello", false, kSpam}}},  // seen before, within 2 s of "other"
    {"ShoutingAndLongTextAtOnceKickOnce",
     Spam,
     {{0, "x", true},
      {10000, "THIS IS LOUD AND ALSO FAR TOO LONG", true},
      {20000, "THIS IS LOUD AND ALSO FAR TOO LONG AGAIN", true, kSpam}}},
    {"BadWordsAsWholeWordsOnly",
     BadContent,
     {{0, "hello", true},
      {1000, "you spammers", true},  // a longer word is no bad word
      {2000, "you SPAMMER!", false},
      {3000, "(spammer)", false, kBc},  // past the allowed count: kicks
      {4000, "spammer", false},
      {5000, "spam-mer spammer", false, kBcBan, true}}},
};

INSTANTIATE_TEST_SUITE_P(Scripts, MessageProtection, ::testing::ValuesIn(kScripts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

void FastFlood(Settings& s) {
    s.protectFromMessageFlood = true;
    s.FloodMs = "1000";
    s.FloodLines = "2";
    s.FloodKicks = "5";
}

class Gate;

// Who the gate lets the protections act on.
struct GateCase {
    const char* name;
    std::function<void(Gate&)> arrange;
    const char* channel;
    bool judged;
};

class Gate : public ProtectionFixture, public ::testing::WithParamInterface<GateCase> {
  public:
    using ProtectionFixture::addPrivilege;
    using ProtectionFixture::settings;
    TIsOp& qivo() { return engine->state.stores.IsOpStore.first(); }
};

void PrintTo(const GateCase& c, std::ostream* out) {
    *out << c.name;
}

TEST_P(Gate, ActsOnlyAsOperatorAndNeverOnAnExemptUser) {
    FastFlood(settings());
    GetParam().arrange(*this);
    const QString channel = GetParam().channel;
    EXPECT_TRUE(post("Bob", "one", 0, channel));
    EXPECT_NE(post("Bob", "two", 100, channel), GetParam().judged);
    EXPECT_NE(post("Bob", "three", 200, channel), GetParam().judged);
    EXPECT_EQ(sent("KICK").size(), GetParam().judged ? 1 : 0);
}

const GateCase kGateCases[] = {
    {"Operator", [](Gate&) {}, "#qivo", true},
    {"NotOperator", [](Gate& f) { f.qivo().op = 0; }, "#qivo", false},
    {"ChannelNeverSeen", [](Gate&) {}, "#other", false},
    {"PrivateMessage", [](Gate&) {}, "", false},
    {"IncognitoAdminAtTheirAddress",
     [](Gate& f) { f.addPrivilege("Bob", "bob@host.example", "SUPER MODERATOR", "YES"); }, "#qivo",
     false},
    {"IncognitoAdminsNickFromAnotherAddress",
     [](Gate& f) { f.addPrivilege("Bob", "bob@elsewhere", "SUPER MODERATOR", "YES"); }, "#qivo",
     true},
    {"OwnerWithTemporaryIncognito",
     [](Gate& f) {
         f.addPrivilege("Bob", "bob@host.example", "OWNER", "NO");
         f.settings().temporaryIncognitoForAdmins = true;
     },
     "#qivo", false},
    {"OwnerWithoutTemporaryIncognito",
     [](Gate& f) { f.addPrivilege("Bob", "bob@host.example", "OWNER", "NO"); }, "#qivo", true},
    {"OwnersNickFromAnotherAddress",
     [](Gate& f) {
         f.addPrivilege("Bob", "bob@elsewhere", "OWNER", "NO");
         f.settings().temporaryIncognitoForAdmins = true;
     },
     "#qivo", true},
};

INSTANTIATE_TEST_SUITE_P(Cases, Gate, ::testing::ValuesIn(kGateCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The first message of a stranger makes the record of the first protection that runs; the
// others judge it already.
TEST_F(ProtectionFixture, TheFirstMessageIsJudgedByTheProtectionsAfterTheFirst) {
    Settings& s = settings();
    s.protectFromMessageFlood = s.protectFromSpam = s.protectFromBadContent = true;
    s.BcAllowed = "0";
    addBadWord("spammer");
    EXPECT_FALSE(post("Eve", "spammer", 0));
    EXPECT_EQ(sent("KICK"), QStringList{kickLine("Eve", "On Bc - Kick")});
}

// Shouting and long text at once: one kick, by the shouting, and the message is not remembered.
TEST_F(ProtectionFixture, ASpamKickLeavesTheRecentMessagesAlone) {
    Spam(settings());
    post("Bob", "x", 0);
    post("Bob", "THIS IS LOUD AND ALSO FAR TOO LONG", 10000);
    post("Bob", "THIS IS LOUD AND ALSO FAR TOO LONG AGAIN", 20000);
    const TUserVariables& bob = engine->state.stores.userVariables("Bob");
    EXPECT_EQ(bob.lastPhrase, "THIS IS LOUD AND ALSO FAR TOO LONG");
    EXPECT_EQ(bob.longMessageCount, 1);
    EXPECT_EQ(sent("KICK").size(), 1);
}

}  // namespace
