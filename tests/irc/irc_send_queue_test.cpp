#include "irc/irc_send_queue.h"
#include "irc/irc_wire.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>

namespace {

// Drives a queue by explicit times and records, per time, the lines that left.
class Governed {
  public:
    explicit Governed(int burst = 4, qint64 interval = 1000) : queue(burst, interval) {}
    QString at(qint64 ms) { return queue.takeDue(ms).join(' '); }
    void add(const char* lines) {
        for (const QByteArray& line : QByteArray(lines).split(' '))
            queue.append(line);
    }
    IrcSendQueue queue;
};

TEST(IrcSendQueue, BurstOfFourThenOneLinePerSecond) {
    Governed g;
    g.add("1 2 3 4 5 6 7");
    EXPECT_EQ(g.at(0), "1 2 3 4");
    EXPECT_EQ(g.queue.msUntilNext(0), 1000);
    EXPECT_EQ(g.at(999), "");
    EXPECT_EQ(g.queue.msUntilNext(999), 1);
    EXPECT_EQ(g.at(1000), "5");
    EXPECT_EQ(g.at(1500), "");
    EXPECT_EQ(g.at(2000), "6");
    // A late tick sends only what the rate allows since the last line, not a new burst.
    EXPECT_EQ(g.at(2500), "");
    EXPECT_EQ(g.at(3200), "7");
    EXPECT_EQ(g.queue.msUntilNext(3200), -1);
}

TEST(IrcSendQueue, SilenceRefillsTheBurstOneLineASecond) {
    Governed g;
    g.add("1 2 3 4");
    EXPECT_EQ(g.at(0), "1 2 3 4");
    g.add("a b c d e");
    EXPECT_EQ(g.at(2000), "a b");  // two seconds of silence earn two lines
    g.add("x y z w v u");
    EXPECT_EQ(g.at(60000), "c d e x");  // never more than the burst
    EXPECT_EQ(g.at(61000), "y");
}

TEST(IrcSendQueue, NoWindowEverHoldsMoreThanTheBurstPlusOneLinePerSecond) {
    QRandomGenerator random(4);
    Governed g;
    QList<qint64> sentAt;
    qint64 now = 0;
    for (int step = 0; step < 3000; ++step) {
        for (int i = random.bounded(3); i > 0; --i)
            g.queue.append("line");
        const qint64 wait = g.queue.msUntilNext(now);
        now += wait >= 0 && random.bounded(2) ? wait : random.bounded(1500);
        for (qsizetype n = g.queue.takeDue(now).size(); n > 0; --n)
            sentAt << now;
    }
    ASSERT_GT(sentAt.size(), 1000);
    for (qsizetype first = 0; first < sentAt.size(); ++first)
        for (qsizetype last = first; last < sentAt.size(); ++last)
            if (last - first + 1 > 4 + (sentAt[last] - sentAt[first]) / 1000) {
                FAIL() << (last - first + 1) << " lines within " << (sentAt[last] - sentAt[first])
                       << " ms from " << sentAt[first];
            } else if (sentAt[last] - sentAt[first] > 20000) {
                break;
            }
}

TEST(IrcSendQueue, UrgentLinesGoFirstInTheirOwnOrder) {
    Governed g;
    g.add("1 2 3 4 5 6");
    EXPECT_EQ(g.at(0), "1 2 3 4");
    g.queue.appendUrgent("PONG-a");
    g.add("7");
    g.queue.appendUrgent("PONG-b");
    EXPECT_EQ(g.at(1000), "PONG-a");
    EXPECT_EQ(g.at(2000), "PONG-b");
    EXPECT_EQ(g.at(3000), "5");
    g.queue.clear();
    EXPECT_TRUE(g.queue.isEmpty());
    g.queue.appendUrgent("PONG-c");
    g.add("8");
    EXPECT_EQ(g.at(10000), "PONG-c 8");
}

TEST(IrcSendQueue, ZeroIntervalSendsEverythingAtOnce) {
    Governed g(4, 0);
    g.add("1 2 3 4 5 6 7 8 9");
    EXPECT_EQ(g.at(0), "1 2 3 4 5 6 7 8 9");
}

int Utf8Bytes(const QString& text) {
    return int(text.toUtf8().size());
}

TEST(IrcWire, SplitKeepsEveryCharacterAndFitsEachPiece) {
    const struct {
        QString text;
        int maxBytes;
        QStringList pieces;
    } cases[] = {
        {"", 10, {}},
        {"short", 10, {"short"}},
        {"exactly10!", 10, {"exactly10!"}},
        {"hello world again", 11, {"hello world", "again"}},
        {"hello world again", 12, {"hello world", "again"}},
        {"one two three four", 10, {"one two", "three four"}},
        {"abcdefghijklmnop", 5, {"abcde", "fghij", "klmno", "p"}},
        {"a bcdefghijk", 6, {"a bcde", "fghijk"}},  // the blank is in the first half: cut
        {QString::fromUtf8("āāāāā"),
         5,
         {QString::fromUtf8("āā"), QString::fromUtf8("āā"), QString::fromUtf8("ā")}},
        {QString::fromUtf8("a😀b😀"), 5, {QString::fromUtf8("a😀"), QString::fromUtf8("b😀")}},
        {QString::fromUtf8("€€ €"), 7, {QString::fromUtf8("€€"), QString::fromUtf8("€")}},
        {"x", 3, {}},  // too little room for every character: nothing rather than a broken one
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " / " + std::to_string(c.maxBytes));
        const QStringList pieces = SplitUtf8(c.text, c.maxBytes);
        EXPECT_EQ(pieces, c.pieces);
        for (const QString& piece : pieces)
            EXPECT_LE(Utf8Bytes(piece), c.maxBytes);
    }
}

TEST(IrcWire, LongRandomTextComesBackWhole) {
    QRandomGenerator random(12);
    const QStringList letters = {
        "a", "b", " ", QString::fromUtf8("ā"), QString::fromUtf8("€"), QString::fromUtf8("😀")};
    for (int round = 0; round < 300; ++round) {
        QString text;
        for (int i = random.bounded(3000); i > 0; --i)
            text += letters[random.bounded(letters.size())];
        const int maxBytes = 4 + random.bounded(500);
        const QStringList pieces = SplitUtf8(text, maxBytes);
        QString joined;
        for (const QString& piece : pieces) {
            ASSERT_LE(Utf8Bytes(piece), maxBytes);
            ASSERT_FALSE(piece.isEmpty());
            ASSERT_FALSE(piece.back().isHighSurrogate());
            joined += piece;
        }
        QString withoutBlanks = text;
        EXPECT_EQ(joined.remove(' '), withoutBlanks.remove(' '));
    }
}

TEST(IrcWire, LinesLoseLineBreaksAndNulsAndFitTheirBytes) {
    const struct {
        QString line;
        int maxBytes;
        QByteArray wire;
    } cases[] = {
        {"PRIVMSG #c :hi", 100, "PRIVMSG #c :hi"},
        {"PRIVMSG #c :hi\r\nQUIT :gone", 100, "PRIVMSG #c :hi"},
        {"JOIN #a\nJOIN #b", 100, "JOIN #a"},
        {"PRIVMSG #c :a\rb", 100, "PRIVMSG #c :a"},
        {QString("PRIVMSG #c :n") + QChar(0) + "ul", 100, "PRIVMSG #c :nul"},
        {"\r\nQUIT", 100, ""},
        {QString::fromUtf8("PRIVMSG #c :āāā"), 15, "PRIVMSG #c :\xc4\x81"},
        {QString::fromUtf8("PRIVMSG #c :āāā"), 16, "PRIVMSG #c :\xc4\x81\xc4\x81"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        EXPECT_EQ(WireLine(c.line, c.maxBytes), c.wire);
    }
    EXPECT_EQ(OneLine(QString("a\r\nb\rc\nd") + QChar(0) + "e"), "a b c de");
    EXPECT_EQ(FitUtf8(QString::fromUtf8("ā😀"), 5), QString::fromUtf8("ā"));
    EXPECT_EQ(FitUtf8(QString::fromUtf8("ā😀"), 6), QString::fromUtf8("ā😀"));
}

}  // namespace
