// The rows the brain is installed with: the event messages, the reserved command words and the
// reserved parameter words, read with the statements the engine reads them with.

#include "brain/query.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

struct CatalogueEvent {
    const char* name;
    bool oftenMet;  // users meet it all the time, so it needs variety
};

// Every event the character raises.
const CatalogueEvent kCatalogue[] = {
    {"On A.I. Highlighted", true},
    {"On ADM - Expand Question", false},
    {"On ADM - Expand Error", false},
    {"On Answer Owner - Owner Is", false},
    {"On Answer Owner - Secret Info", false},
    {"On Answer Owner - System Owner", false},
    {"On Answer Owner - You Owner", false},
    {"On Bc - Kick", false},
    {"On Bc - Ban Kick", false},
    {"On Bn - Kick", false},
    {"On Bn - Ban Kick", false},
    {"On Dialog Start", true},
    {"On Disconnect - Quit Message", false},
    {"On Flood - Kick", false},
    {"On Flood - Ban Kick", false},
    {"On Join Flood - Kick", false},
    {"On Join Flood - Ban Kick", false},
    {"On KeyEvent - Wrong Selection", false},
    {"On Lonely Talking", true},
    {"On Macron Command Enable", false},
    {"On Macron Command Disable", false},
    {"On Manual Erasing - Correction - Success", false},
    {"On Manual Erasing - Synonym - Success", false},
    {"On Manual Erasing - Case Sensitive Word - Success", false},
    {"On Manual Erasing - Context - Success", false},
    {"On Manual Erasing - Context - Linked With Interface", false},
    {"On Manual Erasing - Multiple Response - Success", false},
    {"On Manual Erasing - Negative - Success", false},
    {"On Manual Erasing - Positive - Success", false},
    {"On Manual Erasing - Response - Success", false},
    {"On Manual Erasing - Response - Contain Context Data", false},
    {"On Manual Erasing - Response - Protected", false},
    {"On Manual Erasing - System", false},
    {"On Manual Erasing - System Multiple", false},
    {"On Manual Erasing - Erasing Not Allowed", false},
    {"On Manual Erasing - Information Not Exist", false},
    {"On Manual Erasing - Limited For You", false},
    {"On Manual Erasing - Restricted For You", false},
    {"On Manual Learning - Correction - Success", false},
    {"On Manual Learning - Synonym - Success", false},
    {"On Manual Learning - Synonym - Already Defined", false},
    {"On Manual Learning - Synonym - Incorrect", false},
    {"On Manual Learning - Synonym - Recursive", false},
    {"On Manual Learning - Case Sensitive Word - Success", false},
    {"On Manual Learning - Context - Success", false},
    {"On Manual Learning - Context - Wrong", false},
    {"On Manual Learning - Negative - Success", false},
    {"On Manual Learning - Negative - Wrong", false},
    {"On Manual Learning - Positive - Success", false},
    {"On Manual Learning - Positive - Wrong", false},
    {"On Manual Learning - Response - Success", false},
    {"On Manual Learning - Response - Answer Error", false},
    {"On Manual Learning - Response - KeyEvent - Context", false},
    {"On Manual Learning - Response - Limited", false},
    {"On Manual Learning - Response - Missing Input Data", false},
    {"On Manual Learning - Response - Modified", false},
    {"On Manual Learning - Response - Question Error", false},
    {"On Manual Learning - Response - Zero Question", false},
    {"On Manual Learning - Response Extend - Success", false},
    {"On Manual Learning - Response Extend - Error", false},
    {"On Manual Learning - Response Extend - Restricted", false},
    {"On Manual Learning - Nicknames Not Allowed", false},
    {"On Manual Learning - Information Exist", false},
    {"On Manual Learning - Learning Not Allowed", false},
    {"On Manual Learning - Restricted For You", false},
    {"On Manual Learning - Limited For You", false},
    {"On Spam - Kick", false},
    {"On Spam - Ban Kick", false},
    {"On Stop Lonely", false},
    {"On Stop MMAS", false},
    {"On Test Mode - Notice", false},
    {"On Unknown Answer - Standard First Unknown", true},
    {"On Unknown Answer - Question First Unknown", true},
    {"On Unknown Answer - Standard Level 1", true},
    {"On Unknown Answer - Standard Level 2", true},
    {"On Unknown Answer - Standard Level 3", true},
    {"On Unknown Answer - Standard Level 4", true},
    {"On Unknown Answer - Standard Level 5", true},
    {"On Unknown Answer - Question Level 1", true},
    {"On Unknown Answer - Question Level 2", true},
    {"On Unknown Answer - Question Level 3", true},
    {"On Unknown Answer - Question Level 4", true},
    {"On Unknown Answer - Question Level 5", true},
    {"On Unknown Answer - Standard Max Length", true},
    {"On Unknown Answer - Question Max Length", true},
    {"On Unknown Answer - Contextual - Standard", true},
    {"On Unknown Answer - Contextual - Question", true},
    {"On Unknown User Input", false},
    {"On User Repeated A.I.", true},
    {"On User Repeated Himself", true},
    {"On User Repeated History - Standard", true},
    {"On User Repeated History - Question", true},
};

// The languages of the event messages: English rows carry the suffix, Latvian ones none.
const char* const kLanguageSuffixes[] = {"_en", ""};

// The placeholders that line preparation fills in (or, for [ACTION], acts on).
const QStringList kPlaceholders = {
    "[USERNICK]",      "[QIVONICK]",      "[OWNERSNICK]",    "[DATE]",          "[TIME]",
    "[ANSWEROWNER]",   "[ACK]",           "[HISTMINDIF]",    "[HISTPHRASE]",    "[SOMENICK]",
    "[ACTION]",        "[NUMINTERFACES]", "[NUMINTERFACEQ]", "[NUMSYNONYMCMD]", "[NUMSYNONYMWRD]",
    "[NUMSYNONYMCOR]", "[NUMCONTEXTWRD]", "[NUMPOSITIVESW]", "[NUMNEGATIVESW]", "[NUMCASESENSWD]",
    "[NUMSYSMESAGES]", "[NUMKNOWNUSERS]", "[NUMDTUNSOLVED]",
};

// The bracket commands people type, and the marker of an event answer.
const QStringList kCommands = {
    "[ERASE]",       "[ERASEALL]",        "[POSITIVE]",         "[NEGATIVE]",
    "[NOPOSITIVE]",  "[NONEGATIVE]",      "[CSWORD]",           "[NOCSWORD]",
    "[ANSWEROWNER]", "[ADMEXPAND]",       "[SKIPCONTEXT]",      "[STOPMAS]",
    "[STOPLONELY]",  "[ENABLECONVERTER]", "[DISABLECONVERTER]", "[SYSMSG]",
};

// Brackets as the stored patterns spell them: "XX"/"YY", and "2Y1Z2X1Y"/"3Y2Z3X2Y" in the check
// that neutralises commands inside a contextual phrase.
struct Spelling {
    const char* open;
    const char* close;
};
constexpr Spelling kPlain{"XX", "YY"};
constexpr Spelling kContextual{"2Y1Z2X1Y", "3Y2Z3X2Y"};

QString Spelt(QString text, Spelling spelling) {
    return text.replace("[", spelling.open).replace("]", spelling.close);
}

struct MessageRow {
    QString event;
    QString description;
    QString message;
};

class ShippedBrain : public ::testing::Test {
  protected:
    QList<MessageRow> messages() {
        QList<MessageRow> rows;
        db.open("SELECT * FROM system_messages");
        for (db.first(); !db.eof(); db.next())
            rows.append(
                {db.field("event_name"), db.field("event_description"), db.field("event_message")});
        return rows;
    }
    QStringList patterns(const QString& table, const QString& column) {
        QStringList rows;
        db.open("SELECT * FROM " + table);
        for (db.first(); !db.eof(); db.next())
            rows << db.field(column);
        return rows;
    }
    int commandsMatching(const QString& text) {
        return db.open("SELECT * FROM system_commands WHERE ? RLIKE UPPER(command)", {text});
    }
    int parametersMatching(const QString& text) {
        return db.open("SELECT * FROM system_parameters WHERE ? RLIKE UPPER(parameter)", {text});
    }

    TestBrain brain;
    Query& db = brain.db();
};

const QRegularExpression kBracketed(R"(\[[^\[\]]*\])");

TEST_F(ShippedBrain, EveryEventHasMessagesInBothLanguages) {
    for (const CatalogueEvent& event : kCatalogue) {
        const QString name = event.name;
        for (const char* suffix : kLanguageSuffixes) {
            const int count =
                db.open("SELECT * FROM system_messages WHERE event_name=?", {name + suffix});
            EXPECT_GE(count, event.oftenMet ? 3 : 1) << (name + suffix).toStdString();
            // Stages spell some names in other letter case ("... - success").
            EXPECT_EQ(db.open("SELECT * FROM system_messages WHERE event_name=? ORDER BY RAND() "
                              "LIMIT 1",
                              {name.toLower() + suffix}),
                      1)
                << (name + suffix).toStdString();
        }
    }
}

TEST_F(ShippedBrain, EveryStoredEventBelongsToTheCatalogue) {
    // A misspelt name would leave its event on the default text.
    QSet<QString> names;
    for (const CatalogueEvent& event : kCatalogue)
        for (const char* suffix : kLanguageSuffixes)
            names.insert(QString(event.name) + suffix);
    const QList<MessageRow> rows = messages();
    ASSERT_FALSE(rows.isEmpty());
    for (const MessageRow& row : rows)
        EXPECT_TRUE(names.contains(row.event)) << row.event.toStdString();
}

TEST_F(ShippedBrain, EveryLineOfEveryMessageSaysSomething) {
    for (const MessageRow& row : messages()) {
        const std::string where = (row.event + ":" + row.message).toStdString();
        EXPECT_FALSE(row.description.trimmed().isEmpty()) << where;
        EXPECT_FALSE(row.description.contains('\n')) << where;
        QString text = row.message;
        text.remove(kBracketed);
        // "#" separates lines; a blank line would be sent as nothing.
        for (const QString& line : text.split('#')) {
            const bool saysSomething =
                std::any_of(line.begin(), line.end(), [](QChar c) { return c.isLetter(); });
            EXPECT_TRUE(saysSomething) << where;
        }
    }
}

TEST_F(ShippedBrain, MessagesUseOnlyThePlaceholdersThatOutputFillsIn) {
    for (const MessageRow& row : messages()) {
        const std::string where = (row.event + ":" + row.message).toStdString();
        for (const auto& match : kBracketed.globalMatch(row.message)) {
            const QString word = match.captured();
            // A single capital letter in brackets ("[A]") is restored as it is on output.
            const bool letter = word.size() == 3 && word[1].isUpper();
            EXPECT_TRUE(kPlaceholders.contains(word) || letter)
                << word.toStdString() << " in " << where;
        }
        QString rest = row.message;
        rest.remove(kBracketed);
        EXPECT_FALSE(rest.contains('[') || rest.contains(']')) << where;
    }
}

TEST_F(ShippedBrain, MessagesAreKeptInTheEditorsStoredForm) {
    // The editor finds a message by its stored form, and word corrections replace lower-case
    // words framed by blanks, so both must meet the shipped rows as they meet the editor's own.
    for (const MessageRow& row : messages()) {
        const std::string where = (row.event + ":" + row.message).toStdString();
        EXPECT_TRUE(row.message.startsWith(' ') && row.message.endsWith(' ')) << where;
        EXPECT_FALSE(row.message.contains("  ")) << where;
        QString words = row.message;
        words.remove(kBracketed);
        EXPECT_EQ(words, words.toLower()) << where;
        for (const char* mark : {"!", "?", ","})
            EXPECT_EQ(row.message.count(mark), row.message.count(QString(" %1 ").arg(mark)))
                << where;
    }
}

TEST_F(ShippedBrain, LatvianMessagesKeepTheirLetters) {
    QString latvian;
    for (const MessageRow& row : messages()) {
        // Latvian letters read in the wrong code page turn into these.
        for (const QString& garbled : {QString(QChar(0xFFFD)), QString("Ä"), QString("Å")})
            EXPECT_FALSE(row.message.contains(garbled) || row.description.contains(garbled))
                << row.message.toStdString();
        if (!row.event.endsWith("_en")) latvian += row.message;
    }
    for (QChar letter : QStringLiteral(u"āēīšū"))
        EXPECT_TRUE(latvian.contains(letter)) << QString(letter).toStdString();
}

TEST_F(ShippedBrain, EveryReservedCommandIsFoundByEveryReadingStatement) {
    for (const QString& command : kCommands) {
        const QString word = Spelt(command, kPlain);
        const std::string where = command.toStdString();
        // A whole input phrase that is a command.
        EXPECT_EQ(db.open("SELECT * FROM system_commands WHERE ? = UPPER(command) LIMIT 1", {word}),
                  1)
            << where;
        // A word of an output line.
        EXPECT_EQ(db.open("SELECT * FROM system_commands WHERE ?=command LIMIT 1", {word}), 1)
            << where;
        // A command anywhere in a phrase, a question, an answer or a synonym's side.
        for (const QString& text :
             {"GREAT " + word + " DAY", "%HOW%" + word + "%", "  WELL  " + word + "  "}) {
            EXPECT_EQ(db.open("SELECT * FROM system_commands WHERE ? RLIKE UPPER(command) LIMIT 1",
                              {text}),
                      1)
                << where;
            EXPECT_EQ(db.field("command"), word) << where;
        }
        // Inside a contextual phrase the command is found, turned back into brackets and then
        // neutralised with "[XY", after which it is found no more.
        const QString contextual =
            "WHY 0Y1Z0X1Y HI " + Spelt(command, kContextual) + " 1Y0Z1X0Y HOW";
        ASSERT_EQ(commandsMatching(contextual), 1) << where;
        QString found = db.field("command");
        found.replace(kContextual.open, "[").replace(kContextual.close, "]");
        EXPECT_EQ(found, command);
        QString neutralised = command;
        neutralised.replace("[", "[XY");
        EXPECT_EQ(commandsMatching(Spelt(neutralised, kContextual)), 0) << where;
        EXPECT_EQ(commandsMatching(Spelt(neutralised, kPlain)), 0) << where;
    }
}

TEST_F(ShippedBrain, EveryPlaceholderIsAReservedParameter) {
    for (const QString& placeholder : kPlaceholders) {
        const QString word = Spelt(placeholder, kPlain);
        const std::string where = placeholder.toStdString();
        EXPECT_EQ(db.open("SELECT * FROM system_parameters WHERE ?=parameter LIMIT 1", {word}), 1)
            << where;
        EXPECT_EQ(db.open("SELECT * FROM system_parameters WHERE ? RLIKE UPPER(parameter) LIMIT 1",
                          {"  HELLO  " + word + "  "}),
                  1)
            << where;
        EXPECT_EQ(db.field("parameter"), word) << where;
    }
}

TEST_F(ShippedBrain, EachPatternMatchesExactlyItsOwnText) {
    // The loops that find a pattern and replace its text rely on a pattern matching nothing but
    // its own letters, and on no pattern hiding inside another.
    QStringList commands;
    for (const QString& command : kCommands)
        commands << Spelt(command, kPlain) << Spelt(command, kContextual);
    QStringList parameters;
    for (const QString& placeholder : kPlaceholders)
        parameters << Spelt(placeholder, kPlain);
    const QRegularExpression literal("^[0-9A-Z]+$");

    const QStringList storedCommands = patterns("system_commands", "command");
    EXPECT_EQ(QSet<QString>(storedCommands.begin(), storedCommands.end()),
              QSet<QString>(commands.begin(), commands.end()));
    EXPECT_EQ(storedCommands.size(), commands.size()) << "no command twice";
    for (const QString& pattern : storedCommands) {
        EXPECT_TRUE(literal.match(pattern).hasMatch()) << pattern.toStdString();
        EXPECT_EQ(commandsMatching(pattern), 1) << pattern.toStdString();
    }
    const QStringList storedParameters = patterns("system_parameters", "parameter");
    EXPECT_EQ(QSet<QString>(storedParameters.begin(), storedParameters.end()),
              QSet<QString>(parameters.begin(), parameters.end()));
    EXPECT_EQ(storedParameters.size(), parameters.size()) << "no parameter twice";
    for (const QString& pattern : storedParameters) {
        EXPECT_TRUE(literal.match(pattern).hasMatch()) << pattern.toStdString();
        EXPECT_EQ(parametersMatching(pattern), 1) << pattern.toStdString();
    }
}

TEST_F(ShippedBrain, OrdinaryTextIsNeverReserved) {
    const QStringList texts = {
        "HELLO HOW ARE YOU",  "%HOW%ARE%YOU%",       "ERASE ALL OF IT",
        "POSITIVE THINKING",  "STOP LONELY TALKING",
        "[ERASE] [USERNICK]",  // brackets not yet spelt as the patterns spell them
        "XX YY XXYY",         "TAXXI YYES",          "ŠODIEN IR LABA DIENA",
    };
    for (const QString& text : texts) {
        EXPECT_EQ(commandsMatching(text), 0) << text.toStdString();
        EXPECT_EQ(parametersMatching(text), 0) << text.toStdString();
    }
}

}  // namespace
