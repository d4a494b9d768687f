#include "qstring_printer.h"

#include "normalise/classify.h"
#include "normalise/links.h"
#include "normalise/nick_address.h"
#include "normalise/smart_correction.h"
#include "normalise/tokenise.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>

#include <functional>

namespace {

// A message through the normalisation stages in the order the cycle runs them.
class Normalising : public EngineFixture {
  protected:
    Normalising() { engine->state.settings.nickname = "QIVOTX"; }

    const Request& normalise(const QString& message) {
        EngineState& s = engine->state;
        s.request = Request{};
        Request& r = s.request;
        r.OriginalPhrase = message;
        r.WorkPhrase = message.toUpper();
        r.Highlighted = IsNickAddressed(message, s.settings.nickname);
        ClassifyInterface(*engine);
        DetectLinks(*engine);
        if (s.settings.removeOwnNickFromMsg) StripOwnNick(*engine);
        TokenisePhrase(*engine);
        r.PhraseBeforeCorrection = r.WorkPhrase;
        SmartInputCorrection(*engine);
        return r;
    }

    // Upper case, single blanks, nothing at either end.
    static void ExpectTidy(const QString& phrase, const QString& message) {
        EXPECT_FALSE(phrase.contains("  "))
            << message.left(200).toStdString() << " -> " << phrase.left(200).toStdString();
        EXPECT_FALSE(phrase.startsWith(' ') || phrase.endsWith(' '))
            << message.left(200).toStdString();
    }
};

TEST_F(Normalising, MessagesBecomeTheirNormalisedPhrases) {
    engine->state.settings.removeOwnNickFromMsg = true;
    const std::pair<const char*, const char*> cases[] = {
        {"What?! Really!!!", "WHAT REALLY"},
        {"hello ,  how are  you?!", "HELLO HOW ARE YOU"},
        {"#hello there, friend!", "#HELLO THERE, FRIEND!"},
        {"##another answer", "##ANOTHER ANSWER"},
        {"hello # hi there", "#HELLO HI THERE"},
        {"x = y", "X=Y"},
        {"a >> b", "A>>B"},
        {"wrong <> right", "WRONG<>RIGHT"},
        {"hmmmm oookay", "HMM OOKAY"},
        {"[ positive ] nice", "[POSITIVE] NICE"},
        {"hi :D", "HI"},
        {"it's 5:30 pm.", "IT'S 5 30 PM"},
        {"well...i think so", "WELL I THINK SO"},
        {"QIVOTX: how are you", "HOW ARE YOU"},
        {"QIVOTX", "HIGHLIGHTED"},
        {"QIVOTX!", ""},
        {"robots are cool", "ROBOTS ARE COOL"},
        {"see https://a/b?c now", "SEE HTTPS://A/B?C NOW"},
        {"look at wwwpage, it is nice", "LOOK AT WWWPAGE IT IS NICE"},
        {"see https://a.lv/x,,y, now", "SEE HTTPS://A.LV/X Y NOW"},
        {"?", ""},
    };
    for (const auto& [message, normalised] : cases)
        EXPECT_EQ(normalise(QString::fromUtf8(message)).WorkPhrase, QString::fromUtf8(normalised))
            << message;
}

TEST_F(Normalising, LatvianMessagesKeepTheirLetterPairsInTheUnfoldedCopy) {
    engine->state.settings.latvianLanguageMode = true;
    const Request& r = normalise("labdien, kaa iet?");
    EXPECT_EQ(r.WorkPhrase, QString::fromUtf8("LABDIEN KĀ IET"));
    EXPECT_EQ(r.PhraseBeforeCorrection, "LABDIEN KAA IET");
    EXPECT_EQ(r.InputCategory, "interface_q");
}

// Random messages of a few kinds, from a fixed seed.
QString RandomMessage(QRandomGenerator& random, int kind) {
    static const QString printable = [] {
        QString all;
        for (char16_t c = 0x20; c < 0x7f; ++c)
            all += QChar(c);
        return all;
    }();
    static const QString latvian =
        QString::fromUtf8("aeiusgklznc AEIUSGKLZNC hjāēīūšģķļžčņĀĒĪŪŠĢĶĻŽČŅ  ");
    static const QString punctuation = " ,.!?#=<>[]:;'\"/\\()-_~`@$%^&*+{}|°DPO0";
    static const QStringList words = {"hello",  "www",      "http:",    "https://x.lv/a?b",
                                      "QIVOTX", "#",        "##",       "=",
                                      "<>",     ">>",       "<<",       "[positive]",
                                      ":D",     "8)",       "hmmmm",    "shodien",
                                      "kaa",    " ",        "  ",       "?!",
                                      "...",    "wwwa,,b,", "ftp://x,y"};
    QString message;
    const auto pick = [&random](const QString& from) {
        return from[random.bounded(int(from.size()))];
    };
    switch (kind) {
        case 0:
            for (int i = random.bounded(60); i > 0; --i)
                message += pick(printable);
            break;
        case 1:
            for (int i = random.bounded(60); i > 0; --i)
                message += pick(latvian);
            break;
        case 2:
            for (int i = random.bounded(40); i > 0; --i)
                message += pick(random.bounded(3) == 0 ? printable : punctuation);
            break;
        case 3:
            for (int i = random.bounded(12); i > 0; --i)
                message += words[random.bounded(int(words.size()))] +
                           (random.bounded(2) ? " " : QString(pick(punctuation)));
            break;
        default:
            for (int i = 1000 + random.bounded(3000); i > 0; --i)
                message += pick(random.bounded(2) ? printable : punctuation);
            break;
    }
    return message;
}

TEST_F(Normalising, RandomMessagesEndInTidyPhrases) {
    QRandomGenerator random(5);
    for (int i = 0; i < 3000; ++i) {
        engine->state.settings.latvianLanguageMode = random.bounded(2);
        engine->state.settings.removeOwnNickFromMsg = random.bounded(2);
        const QString message = RandomMessage(random, i % 5);
        const Request& r = normalise(message);
        ExpectTidy(r.WorkPhrase, message);
        ExpectTidy(r.PhraseBeforeCorrection, message);
        if (HasFailure()) return;
    }
}

TEST_F(Normalising, HostileMessagesEndInDefinedPhrases) {
    const auto repeated = [](const QString& piece) {
        QString text;
        while (text.size() < 64 * 1024)
            text += piece;
        return text;
    };
    QString printable;
    for (int i = 0; printable.size() < 64 * 1024; ++i)
        printable += QChar(0x21 + i % 94) + QString(i % 7 == 0 ? " " : "");
    struct Case {
        QString message;
        std::function<bool(const QString&)> expected;
    };
    const auto empty = [](const QString& phrase) { return phrase.isEmpty(); };
    const Case cases[] = {
        {printable, [](const QString& phrase) { return !phrase.isEmpty(); }},
        {repeated(",.!?;:'\"()"), [](const QString& p) { return p.count('\'') == p.size(); }},
        {repeated("#"), empty},
        {repeated("<>"), [](const QString& p) { return p == "<><><>"; }},
        {repeated("[]"), empty},
        {repeated("]]][[["), empty},
        {repeated("[a [b"), [](const QString& p) { return p.startsWith("A B A B"); }},
        {repeated(QString::fromUtf8("āēīūšģķļžčņ ")),
         [](const QString& p) {
             return p.startsWith(QString::fromUtf8("ĀĒĪŪŠĢĶĻŽČŅ ĀĒĪŪŠĢĶĻŽČŅ"));
         }},
        {repeated(QString::fromUtf8("😀 ")),
         [](const QString& p) { return p.startsWith(QString::fromUtf8("😀 😀")); }},
        {repeated(QString("\t\x01\x1b")), [](const QString& p) { return !p.contains(' '); }},
        {repeated("a, "), [](const QString& p) { return p.startsWith("A A A"); }},
        {repeated("hmmmmmmmmm "), [](const QString& p) { return p.startsWith("HMM HMM"); }},
        {repeated("www "), [](const QString& p) { return p.startsWith("WWW WWW WWW"); }},
    };
    for (const auto& [message, expected] : cases) {
        const Request& r = normalise(message);
        EXPECT_TRUE(expected(r.WorkPhrase))
            << message.left(20).toStdString() << " -> " << r.WorkPhrase.left(80).toStdString();
        ExpectTidy(r.WorkPhrase, message);
        ExpectTidy(r.PhraseBeforeCorrection, message);
    }
}

}  // namespace
