#include "normalise/classify.h"
#include "normalise/links.h"
#include "phrase_engine.h"

#include <gtest/gtest.h>

namespace {

TEST(ClassifyDaytime, HoursFallIntoTheirClassesAndTheTextsTakeTheSameInstant) {
    const std::pair<QTime, const char*> cases[] = {
        // The boundaries named for the classes first.
        {QTime(0, 30), "Night"},          {QTime(4, 59), "Deep Night"},
        {QTime(5, 0), "Early Morning"},   {QTime(13, 59), "Midday"},
        {QTime(21, 59), "Evening"},       {QTime(22, 0), "Night"},
        {QTime(0, 0), "Night"},           {QTime(1, 0), "Deep Night"},
        {QTime(4, 59, 59), "Deep Night"}, {QTime(7, 59), "Early Morning"},
        {QTime(8, 0), "Morning"},         {QTime(10, 59), "Morning"},
        {QTime(11, 0), "Midday"},         {QTime(14, 0), "Afternoon"},
        {QTime(17, 59), "Afternoon"},     {QTime(18, 0), "Evening"},
        {QTime(21, 59, 59), "Evening"},   {QTime(23, 59, 59), "Night"},
    };
    for (const auto& [time, daytime] : cases) {
        PhraseEngine e;
        e.fakes.clock.at = QDateTime(QDate(2026, 3, 7), time);
        ClassifyDaytime(e.engine);
        EXPECT_EQ(e.request().Daytime, daytime) << time.toString().toStdString();
        EXPECT_EQ(e.engine.state.clock.DateText, "2026.03.07");
        EXPECT_EQ(e.engine.state.clock.TimeText, time.toString("hh:mm:ss"));
        EXPECT_EQ(e.engine.state.clock.hour, QString::number(time.hour()));
    }
}

TEST(ClassifyDaytime, TheClassIsShownOnlyInTheDetailedLog) {
    PhraseEngine e;
    e.fakes.clock.at = QDateTime(QDate(2026, 3, 7), QTime(9, 5, 1));
    ClassifyDaytime(e.engine);
    EXPECT_EQ(e.engine.state.clock.TimeText, "09:05:01");
    EXPECT_TRUE(e.console().isEmpty());
    e.settings().showDetailedConsoleLogTexts = true;
    ClassifyDaytime(e.engine);
    EXPECT_EQ(e.console(), QStringList{"A.I. > Daytime: Morning"});
}

TEST(ClassifyInterface, AQuestionMarkAnywhereInTheReceivedTextMakesAQuestion) {
    const std::pair<const char*, const char*> cases[] = {
        {"is it raining?", "interface_q"},
        {"it is raining", "interface_s"},
        {"what ?!", "interface_q"},
        {"see https://a/b?c now", "interface_q"},
        {"", "interface_s"},
    };
    for (const auto& [phrase, table] : cases) {
        PhraseEngine e;
        e.request().UserNick = "Anna";
        e.request().WorkPhrase = phrase;
        e.settings().showDetailedConsoleLogTexts = true;
        ClassifyInterface(e.engine);
        EXPECT_EQ(e.request().InputCategory, table) << phrase;
        const QString kind = QString(table) == "interface_q" ? "question" : "standard";
        EXPECT_EQ(e.console(), QStringList{"A.I. > Users Anna input phrase type: " + kind});
    }
}

struct LinkCase {
    const char* phrase;
    const char* leftPhrase;
    const char* linkText;
    const char* prefix;
};

TEST(DetectLinks, TheFirstAddressIsKeptWholeAndCutOutBehindItsPrefix) {
    const LinkCase cases[] = {
        {"see https://a/b?c now", "see https:now", "https://a/b?c", "HTTPS:"},
        {"SEE HTTPS://A/B?C NOW", "SEE HTTPS: NOW", "HTTPS://A/B?C", "HTTPS:"},
        {"look at wwwpage, it is nice", "look at wwwit is nice", "wwwpage,", "WWW"},
        {"LOOK AT WWWPAGE, IT IS NICE", "LOOK AT WWW IT IS NICE", "WWWPAGE,", "WWW"},
        {"GO HTTPS://X.COM AND WWW.Y.COM", "GO HTTPS: AND WWW.Y.COM", "HTTPS://X.COM", "HTTPS:"},
        {"GET HTTP://A.LV/X.", "GET HTTP: ", "HTTP://A.LV/X.", "HTTP:"},
        {"FTP://FILES ARE HERE", "FTP: ARE HERE", "FTP://FILES", "FTP:"},
        {"FTPS://X Y", "FTPS: Y", "FTPS://X", "FTPS:"},
        {"http:", "http:", "http:", "HTTP:"},
        {"HTTP:", "HTTP: ", "HTTP:", "HTTP:"},
        {"WWWWWW", "WWW ", "WWWWWW", "WWW"},
    };
    for (const auto& [phrase, leftPhrase, linkText, prefix] : cases) {
        PhraseEngine e;
        e.request().WorkPhrase = phrase;
        DetectLinks(e.engine);
        EXPECT_TRUE(e.request().HasLink) << phrase;
        EXPECT_EQ(e.request().WorkPhrase, leftPhrase) << phrase;
        EXPECT_EQ(e.request().LinkText, linkText) << phrase;
        EXPECT_EQ(e.request().LinkPrefix, prefix) << phrase;
    }
}

TEST(DetectLinks, APhraseWithoutAddressIsLeftAloneAndAnOldFlagIsCleared) {
    for (const char* phrase : {"no link here", "", "HTTP ONLY", "W W W"}) {
        PhraseEngine e;
        e.request().HasLink = true;
        e.request().WorkPhrase = phrase;
        DetectLinks(e.engine);
        EXPECT_FALSE(e.request().HasLink) << phrase;
        EXPECT_EQ(e.request().WorkPhrase, phrase);
        EXPECT_TRUE(e.console().isEmpty());
    }
}

TEST(DetectLinks, TheDetailedLogNamesTheKindOfLink) {
    const std::pair<const char*, const char*> cases[] = {
        {"HTTPS://A", "A.I. > Found HTTPS link."},     {"HTTP://A", "A.I. > Found HTTP link."},
        {"FTPS://A", "A.I. > Found FTPS link."},       {"FTP://A", "A.I. > Found FTP link."},
        {"WWW.A.LV", "A.I. > Found simple WWW link."},
    };
    for (const auto& [phrase, line] : cases) {
        PhraseEngine e;
        e.settings().showDetailedConsoleLogTexts = true;
        e.request().WorkPhrase = phrase;
        DetectLinks(e.engine);
        EXPECT_EQ(e.console(), QStringList{line});
    }
}

}  // namespace
