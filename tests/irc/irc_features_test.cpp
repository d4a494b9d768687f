#include "irc/irc_features.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

const QStringList kNgircd = {"CASEMAPPING=ascii", "PREFIX=(qaohv)~&@%+", "CHANTYPES=#&+",
                             "CHANMODES=beI,k,l,imMnOPQRstVz"};
const QStringList kInspircd = {"CASEMAPPING=rfc1459", "CHANMODES=b,k,l,MRimnprst", "CHANTYPES=#",
                               "PREFIX=(ov)@+", "STATUSMSG=@+"};

IrcFeatures Features(const QStringList& tokens) {
    IrcFeatures features;
    features.apply(tokens);
    return features;
}

QString Described(const QList<IrcModeChange>& changes) {
    QStringList texts;
    for (const IrcModeChange& c : changes)
        texts << QString(c.adding ? '+' : '-') + c.mode + (c.param.isEmpty() ? "" : ' ' + c.param);
    return texts.join(", ");
}

TEST(IrcCaseMapping, NamesCompareTheServersWay) {
    const struct {
        const char* casemapping;
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"ascii", "TalvaneBOT", "talvanebot", true},
        {"ascii", "Bot[1]", "bot{1}", false},
        {"ascii", "a~", "a^", false},
        {"rfc1459", "Bot[1]\\", "bot{1}|", true},
        {"rfc1459", "a~", "A^", true},
        {"strict-rfc1459", "Bot[1]\\", "bot{1}|", true},
        {"strict-rfc1459", "a~", "a^", false},
        {"rfc1459", "Āris", "āris", false},  // servers fold no letters beyond ASCII
        {"rfc7613", "Bot[", "bot[", true},   // unknown mappings fold ASCII only
        {"rfc7613", "Bot[", "bot{", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.casemapping) + ' ' + c.a + ' ' + c.b);
        const IrcFeatures features = Features({QString("CASEMAPPING=") + c.casemapping});
        EXPECT_EQ(features.sameName(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.same);
    }
}

TEST(IrcCaseMapping, Rfc1459UntilTheServerSaysOtherwise) {
    IrcFeatures features;
    EXPECT_TRUE(features.sameName("[x]", "{X}"));
    features.apply({"CASEMAPPING=ascii"});
    EXPECT_FALSE(features.sameName("[x]", "{X}"));
    features.apply({"-CASEMAPPING"});
    EXPECT_TRUE(features.sameName("[x]", "{X}"));
}

TEST(IrcModeWalk, EveryLetterGetsTheParameterItTakes) {
    const struct {
        const QStringList* server;
        QStringList arguments;
        const char* changes;
    } cases[] = {
        {&kInspircd, {"+o", "bot"}, "+o bot"},
        {&kInspircd, {"+ov", "bot", "other"}, "+o bot, +v other"},
        {&kInspircd, {"+o-v+b", "a", "b", "mask!*@*"}, "+o a, -v b, +b mask!*@*"},
        {&kInspircd, {"+nt-o", "bot"}, "+n, +t, -o bot"},
        {&kInspircd, {"+l-l", "10"}, "+l 10, -l"},
        {&kInspircd, {"+k-k", "key", "key"}, "+k key, -k key"},
        {&kInspircd, {"+oo", "alice", "bot"}, "+o alice, +o bot"},
        {&kInspircd, {"+o"}, "+o"},  // a parameter the server left out stays empty
        {&kInspircd, {"-o+", "bot"}, "-o bot"},
        {&kNgircd, {"+qaohv", "q", "a", "o", "h", "v"}, "+q q, +a a, +o o, +h h, +v v"},
        {&kNgircd,
         {"+beI-e", "b!*@*", "e!*@*", "i!*@*", "x!*@*"},
         "+b b!*@*, +e e!*@*, +I i!*@*, -e x!*@*"},
        {&kNgircd, {"+MVz-Q"}, "+M, +V, +z, -Q"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(Described(Features(*c.server).walkModes(c.arguments)), c.changes);
    }
}

TEST(IrcModeWalk, ServerWithoutFeaturesUsesTheClassicModes) {
    EXPECT_EQ(Described(IrcFeatures().walkModes({"+ol-bk", "bot", "5", "mask", "key"})),
              "+o bot, +l 5, -b mask, -k key");
}

TEST(IrcNames, EntriesSplitIntoNickAndStatusModes) {
    const struct {
        const QStringList* server;
        const char* entry;
        IrcName name;
    } cases[] = {
        {&kInspircd, "@alice", {"alice", "o"}},
        {&kInspircd, "bot", {"bot", ""}},
        {&kInspircd, "@+bot", {"bot", "ov"}},
        {&kInspircd, "+bob!b@host", {"bob", "v"}},
        {&kNgircd, "~&@%+owner", {"owner", "qaohv"}},
        {&kNgircd, "%half", {"half", "h"}},
        {&kInspircd, "%half", {"%half", ""}},  // not a status symbol on this server
        {&kInspircd, "@", {"", "o"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(Features(*c.server).parseName(c.entry), c.name);
    }
}

TEST(IrcChannels, ChannelTypesAndStatusTargets) {
    const IrcFeatures inspircd = Features(kInspircd);
    const IrcFeatures ngircd = Features(kNgircd);
    const struct {
        const IrcFeatures* features;
        const char* target;
        const char* channel;
    } cases[] = {
        {&inspircd, "#qivo", "#qivo"},
        {&inspircd, "&local", ""},
        {&inspircd, "bot", ""},
        {&inspircd, "@#qivo", "#qivo"},
        {&inspircd, "@+#qivo", "#qivo"},
        {&inspircd, "@bot", ""},
        {&inspircd, "", ""},
        {&ngircd, "+modeless", "+modeless"},
        {&ngircd, "&local", "&local"},
        {&ngircd, "@#qivo", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        EXPECT_EQ(c.features->channelOfTarget(c.target), c.channel);
    }
}

TEST(IrcFeatureTokens, MalformedValuesKeepWhatWorks) {
    IrcFeatures features = Features(
        {"PREFIX=(ov)@", "USERLEN=x", "HOSTLEN=-3", "CHANNELLEN=0", "CHANMODES=b", "CHANTYPES="});
    EXPECT_EQ(features.prefixModes(), "ov");
    EXPECT_EQ(features.prefixSymbols(), "@+");
    EXPECT_EQ(features.userLength(), 10);
    EXPECT_EQ(features.hostLength(), 63);
    EXPECT_EQ(features.channelLength(), 200);
    EXPECT_FALSE(features.isChannel("#qivo"));
    EXPECT_EQ(Described(features.walkModes({"+bk", "mask"})), "+b mask, +k");
    features.apply({"PREFIX=", "USERLEN=12", "HOSTLEN=64", "CHANNELLEN=32", "CHANTYPES=\\x23"});
    EXPECT_EQ(features.prefixModes(), "");
    EXPECT_EQ(features.userLength(), 12);
    EXPECT_EQ(features.hostLength(), 64);
    EXPECT_EQ(features.channelLength(), 32);
    EXPECT_TRUE(features.isChannel("#qivo"));
}

}  // namespace
