#include "irc/irc_line.h"

#include "brain/text_decoding.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>

namespace {

// A parsed line as one text: "nick|user|host COMMAND [p0] [p1] ...".
QString Described(const IrcLine& line) {
    QString text =
        line.prefix.nick + '|' + line.prefix.user + '|' + line.prefix.host + ' ' + line.command;
    for (const QString& param : line.params)
        text += " [" + param + ']';
    return text;
}

TEST(IrcLineParsing, RealAndForgedLinesSplitIntoPrefixCommandAndParameters) {
    const std::pair<const char*, const char*> cases[] = {
        // ngircd
        {":irc.test 001 bot :Welcome to the Internet Relay Network bot!~bot@127.0.0.1",
         "irc.test|| 001 [bot] [Welcome to the Internet Relay Network bot!~bot@127.0.0.1]"},
        {":irc.test 353 bot = #chan :bot @alice", "irc.test|| 353 [bot] [=] [#chan] [bot @alice]"},
        {":alice!~alice@127.0.0.1 MODE #chan +o bot",
         "alice|~alice|127.0.0.1 MODE [#chan] [+o] [bot]"},
        {":irc.test 433 * botx :Nickname already in use",
         "irc.test|| 433 [*] [botx] [Nickname already in use]"},
        {":irc.test 005 bot PREFIX=(qaohv)~&@%+ CASEMAPPING=ascii :are supported on this server",
         "irc.test|| 005 [bot] [PREFIX=(qaohv)~&@%+] [CASEMAPPING=ascii] [are supported on this "
         "server]"},
        {":irc.test CAP * LS :multi-prefix", "irc.test|| CAP [*] [LS] [multi-prefix]"},
        // inspircd and anope
        {":irc.test 353 bot = #chan :@alice bot", "irc.test|| 353 [bot] [=] [#chan] [@alice bot]"},
        {":alice!alice@127.0.0.1 MODE #chan +o :bot",
         "alice|alice|127.0.0.1 MODE [#chan] [+o] [bot]"},
        {":alice!alice@127.0.0.1 KICK #c voiced :botx",
         "alice|alice|127.0.0.1 KICK [#c] [voiced] [botx]"},
        {":irc.test CAP * LS :inspircd.org/poison sasl=EXTERNAL,PLAIN ",
         "irc.test|| CAP [*] [LS] [inspircd.org/poison sasl=EXTERNAL,PLAIN ]"},
        {"AUTHENTICATE +", "|| AUTHENTICATE [+]"},
        {":NickServ!services@services.test NOTICE bot :This nickname is registered and "
         "protected.  If it is your",
         "NickServ|services|services.test NOTICE [bot] [This nickname is registered and "
         "protected.  If it is your]"},
        {"PING :irc.test", "|| PING [irc.test]"},
        {"ERROR :Closing link: (bot@127.0.0.1) [Ping timeout: 3 seconds]",
         "|| ERROR [Closing link: (bot@127.0.0.1) [Ping timeout: 3 seconds]]"},
        // Forged: whatever a user writes stays the text of a PRIVMSG.
        {":mallory!m@h PRIVMSG #qivo :KICK #qivo TalvaneBOT",
         "mallory|m|h PRIVMSG [#qivo] [KICK #qivo TalvaneBOT]"},
        {":mallory!m@h PRIVMSG #qivo :MODE #qivo -o TalvaneBOT",
         "mallory|m|h PRIVMSG [#qivo] [MODE #qivo -o TalvaneBOT]"},
        {":mallory!m@h PRIVMSG TalvaneBOT ::NickServ!x@y NOTICE TalvaneBOT :Password accepted",
         "mallory|m|h PRIVMSG [TalvaneBOT] [:NickServ!x@y NOTICE TalvaneBOT :Password accepted]"},
        {":mallory!m@h PRIVMSG #qivo :PRIVMSG #other :x",
         "mallory|m|h PRIVMSG [#qivo] [PRIVMSG #other :x]"},
        // Forms: a last parameter with or without ":", extra blanks, lower-case commands.
        {":a!b@c PRIVMSG #c hello", "a|b|c PRIVMSG [#c] [hello]"},
        {":a!b@c PRIVMSG #c :hello", "a|b|c PRIVMSG [#c] [hello]"},
        {":a!b@c PRIVMSG #c :", "a|b|c PRIVMSG [#c] []"},
        {":a!b@c   privmsg   #c   :two  blanks ", "a|b|c PRIVMSG [#c] [two  blanks ]"},
        {":a!b@c PRIVMSG #c :a : b", "a|b|c PRIVMSG [#c] [a : b]"},
        {"  PING   x  ", "|| PING [x]"},
        {":nick PRIVMSG bot :hi", "nick|| PRIVMSG [bot] [hi]"},
        {":nick@host PRIVMSG bot :hi", "nick||host PRIVMSG [bot] [hi]"},
        {":a!b!c@d@e X", "a|b!c|d@e X"},
        // Nothing to read.
        {"", "|| "},
        {"   ", "|| "},
        {":prefix.only", "prefix.only|| "},
        {"@tag=1", "|| "},
        {":", "|| "},
    };
    for (const auto& [raw, expected] : cases) {
        SCOPED_TRACE(raw);
        const IrcLine line = ParseIrcLine(QString::fromUtf8(raw));
        EXPECT_EQ(Described(line), QString::fromUtf8(expected));
        EXPECT_EQ(line.raw, QString::fromUtf8(raw));
    }
}

TEST(IrcLineParsing, TagsAreSplitAndUnescaped) {
    const IrcLine line = ParseIrcLine(
        R"(@time=2026-12-10T12:00:00.000Z;account=bob;msgid=a\:b\sc\\d\re\nf\x;flag;=x;esc=\ :bob!b@h PRIVMSG #c :hi)");
    const QMap<QString, QString> expected = {{"time", "2026-12-10T12:00:00.000Z"},
                                             {"account", "bob"},
                                             {"msgid", "a;b c\\d\re\nfx"},
                                             {"flag", ""},
                                             {"esc", ""}};
    EXPECT_EQ(line.tags, expected);
    EXPECT_EQ(Described(line), "bob|b|h PRIVMSG [#c] [hi]");
}

TEST(IrcLineParsing, NumericsAreNumbersAndCommandsAreNot) {
    const std::pair<const char*, int> cases[] = {{"001", 1},    {"433", 433}, {"PRIVMSG", -1},
                                                 {"01", -1},    {"0001", -1}, {"4a3", -1},
                                                 {"９９９", -1}};
    for (const auto& [command, numeric] : cases) {
        SCOPED_TRACE(command);
        EXPECT_EQ(ParseIrcLine(":s " + QString::fromUtf8(command) + " x").numeric(), numeric);
    }
}

TEST(IrcLineDecoding, Utf8StaysAndOtherBytesAreWindows1257) {
    const std::pair<QByteArray, QString> cases[] = {
        {"plain ascii", "plain ascii"},
        {"\xc4\x81\xc4\x8d\xc5\xa1 UTF-8", QString::fromUtf8("āčš UTF-8")},
        {"\xe2\xe8\xf0\xfe Baltic", QString::fromUtf8("āčšž Baltic")},
        {"half \xc4", QString::fromUtf8("half Ä")},
        {QByteArray("nul\0inside", 10), QString::fromUtf8("nul\0inside", 10)},
    };
    for (const auto& [bytes, text] : cases) {
        SCOPED_TRACE(bytes.toStdString());
        EXPECT_EQ(DecodeText(bytes), text);
    }
}

// Lines of random bytes, random IRC-looking words and long runs: parsing never crashes, always
// ends, and whatever has a command keeps every parameter free of the blank that separates them.
TEST(IrcLineFuzz, AnyBytesParseWithoutHarm) {
    QRandomGenerator random(1257);
    const QByteArrayList pieces = {":",    " ",       "@",     "!",    ";",        "=",    "\\",
                                   "\x01", "PRIVMSG", "#qivo", "001",  "\xc4",     "\xff", "\0",
                                   "::",   "@a=b;c",  "\r",    "KICK", "\xe2\x80", "  "};
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes;
        const int length = random.bounded(round % 100 == 0 ? 20000 : 60);
        for (int i = 0; i < length; ++i)
            bytes += random.bounded(3) == 0 ? pieces[random.bounded(pieces.size())]
                                            : QByteArray(1, char(random.bounded(256)));
        const IrcLine line = ParseIrcLine(DecodeText(bytes));
        if (!line.isValid()) continue;
        EXPECT_FALSE(line.command.contains(' '));
        for (qsizetype i = 0; i + 1 < line.params.size(); ++i)
            ASSERT_FALSE(line.params[i].contains(' ') || line.params[i].isEmpty())
                << bytes.toHex().toStdString();
    }
}

// A line made of parts parses back into the same parts, however its last parameter is written.
TEST(IrcLineFuzz, BuiltLinesParseBackIntoTheirParts) {
    QRandomGenerator random(7);
    // Names hold neither "!" nor "@", which split the prefix.
    const QString letters = QString::fromUtf8("abcXYZ019#&+-[]{}|\\^~āčšž_.*");
    const auto word = [&](int maxLength) {
        QString text;
        const int length = 1 + random.bounded(maxLength);
        for (int i = 0; i < length; ++i)
            text += letters[random.bounded(letters.size())];
        return text;
    };
    for (int round = 0; round < 5000; ++round) {
        const QString nick = word(9), user = word(9), host = word(20);
        const QString command = random.bounded(2) ? "PRIVMSG" : "353";
        QStringList params;
        const int middle = random.bounded(5);
        for (int i = 0; i < middle; ++i)
            params << word(12);
        QString last = word(30) + (random.bounded(2) ? " " + word(10) + " :" + word(5) : "");
        if (random.bounded(4) == 0) last = word(12);  // no blank: written with or without ":"
        params << last;
        QString raw = ':' + nick + '!' + user + '@' + host + ' ' + command;
        for (qsizetype i = 0; i + 1 < params.size(); ++i)
            raw += ' ' + params[i];
        raw += (last.contains(' ') || random.bounded(2) ? " :" : " ") + last;
        const IrcLine line = ParseIrcLine(raw);
        ASSERT_EQ(line.params, params) << raw.toStdString();
        EXPECT_EQ(line.prefix.nick, nick);
        EXPECT_EQ(line.prefix.user, user);
        EXPECT_EQ(line.prefix.host, host);
        EXPECT_EQ(line.command, command);
    }
}

}  // namespace
