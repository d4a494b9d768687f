#include "engine/log_files.h"
#include "brain/query.h"
#include "engine/input_queue.h"
#include "engine/text_files.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

TEST(ConversationName, ChannelOrNickWithoutPathCharacters) {
    const struct {
        const char* replyTarget;
        const char* nick;
        const char* name;
    } cases[] = {
        {"a|b", "a|b", "ab"},
        {"#qivo", "anna", "#qivo"},
        {"Owner", "Owner", "Owner"},
        {"#a/b\\c|d", "anna", "#abcd"},
        {"star*man", "star*man", "star_man"},
        {"../../etc/passwd", "../../etc/passwd", "....etcpasswd"},
        {"#../..", "anna", "#...."},
        {"|/\\", "|/\\", "_"},
        {"", "", "_"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConversationName(c.replyTarget, c.nick), c.name) << c.replyTarget;
}

class LogFiles : public EngineFixture {
  protected:
    QString file(const QString& relative) const { return engine->home.path("Logs/" + relative); }
    // The whole file, line ends included, so that an open line shows.
    QString contents(const QString& relative) const {
        QFile f(file(relative));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : "<missing>";
    }
    QStringList logFiles() const {
        QStringList files;
        QDirIterator it(engine->home.root(), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = QDir(engine->home.root()).relativeFilePath(it.next());
            if (!path.startsWith("Main/") && !path.startsWith("MySQL/") &&
                !path.startsWith("Skins/") && !path.startsWith("sounds/"))
                files << path;
        }
        files.sort();
        return files;
    }
    void prepareRequest(TargetKind kind, const QString& replyTarget, const QString& nick) {
        Request& r = engine->state.request;
        r.TargetKind = kind;
        r.ReplyTarget = replyTarget;
        r.UserNick = nick;
        r.Category = "DEFAULT";
    }
    const QString stamp = "09.12.2026 AT 12:00:00";
};

TEST_F(LogFiles, ConversationFilesStartWithTheirFirstLines) {
    EnsureConversationLogs(*engine, "#qivo", "anna");
    EnsureConversationLogs(*engine, "a|b", "a|b");
    fakes.clock.at = fakes.clock.at.addSecs(3600);
    EnsureConversationLogs(*engine, "#qivo", "bob");  // exists already: left alone
    EXPECT_EQ(contents("Chat/#qivo.log"), "CHAT LOG CREATED IN: " + stamp + "\n");
    EXPECT_EQ(contents("NLP/#qivo.log"), "NLP LOG CREATED IN: " + stamp + "\n");
    EXPECT_EQ(logFiles(), (QStringList{"Logs/Chat/#qivo.log", "Logs/Chat/ab.log",
                                       "Logs/NLP/#qivo.log", "Logs/NLP/ab.log"}));
}

TEST_F(LogFiles, NamesMadeOfPathCharactersStayInTheLogFolders) {
    for (const char* nick : {"../../x", "/", "\\\\", "..", "|"})
        EnsureConversationLogs(*engine, nick, nick);
    EXPECT_EQ(logFiles(), (QStringList{"Logs/Chat/....x.log", "Logs/Chat/...log", "Logs/Chat/_.log",
                                       "Logs/NLP/....x.log", "Logs/NLP/...log", "Logs/NLP/_.log"}));
}

TEST_F(LogFiles, ChatLogLinesByKind) {
    const struct {
        TargetKind kind;
        const char* replyTarget;
        const char* nick;
        const char* addressee;
        const char* text;
        ChatLineKind lineKind;
        const char* file;
        const char* line;
    } cases[] = {
        {TargetKind::Local, "Owner", "Owner", "TalvaneBOT", "hello", ChatLineKind::Input, "Owner",
         "Owner > TalvaneBOT (LOCAL) > hello"},
        {TargetKind::Local, "Owner", "TalvaneBOT", "Owner", "hi there", ChatLineKind::Answer,
         "Owner", "TalvaneBOT (LOCAL) > Owner > hi there"},
        {TargetKind::Channel, "#qivo", "anna", "TalvaneBOT", "nice weather", ChatLineKind::Input,
         "#qivo", "anna > nice weather"},
        {TargetKind::Channel, "#qivo", "TalvaneBOT", "anna", "it is", ChatLineKind::Answer, "#qivo",
         "TalvaneBOT > it is"},
        {TargetKind::HighlightedChannel, "#qivo", "anna", "TalvaneBOT", "talvanebot hi",
         ChatLineKind::Input, "#qivo", "anna > TalvaneBOT > talvanebot hi"},
        {TargetKind::HighlightedChannel, "#qivo", "TalvaneBOT", "anna", "anna: hello",
         ChatLineKind::Answer, "#qivo", "TalvaneBOT > anna > anna: hello"},
        {TargetKind::Private, "a|b", "a|b", "TalvaneBOT", "psst", ChatLineKind::Input, "ab",
         "a|b > psst"},
        {TargetKind::Private, "a|b", "TalvaneBOT", "a|b", "*TalvaneBOT waves", ChatLineKind::Answer,
         "ab", "TalvaneBOT > *TalvaneBOT waves"},
    };
    for (const auto& c : cases) {
        const QString path = file(QStringLiteral("Chat/%1.log").arg(c.file));
        QFile::remove(path);
        ChatLogLine(*engine, c.kind, c.replyTarget, c.nick, c.addressee, c.text, c.lineKind);
        EXPECT_EQ(contents(QStringLiteral("Chat/%1.log").arg(c.file)),
                  stamp + " | " + c.line + "\n")
            << c.line;
    }
}

TEST_F(LogFiles, NlpEntryLeavesItsLineOpenForTheAnswer) {
    prepareRequest(TargetKind::Private, "a|b", "a|b");
    Request& r = engine->state.request;
    r.Privilege = Privilege::SuperModerator;
    r.Personality = "FRIENDLY";
    r.Daytime = "EVENING";
    r.Category = "MUSIC";
    engine->state.loggedInput = "what do you play?";
    NlpLogEntry(*engine);
    const QString entry = stamp +
                          " | a|b | User privileges: super moderator | User personality: "
                          "friendly | Current daytime: evening | Current category: music\n"
                          "System language: english | System received: what do you play?";
    EXPECT_EQ(contents("NLP/ab.log"), entry);

    NlpLogResponse(*engine, "  I Play , Mostly Jazz !  ");
    EXPECT_EQ(contents("NLP/ab.log"), entry + " | System response: i play, mostly jazz!\n");
}

TEST_F(LogFiles, AnEntryWithoutAnswerIsContinuedByTheNext) {
    prepareRequest(TargetKind::Channel, "#qivo", "anna");
    engine->state.settings.latvianLanguageMode = true;
    engine->state.loggedInput.clear();
    NlpLogEntry(*engine);
    engine->state.request.Privilege = Privilege::Ignored;
    engine->state.loggedInput = "hi";
    NlpLogEntry(*engine);
    const QString head = stamp + " | anna | User privileges: ";
    const QString tail =
        " | User personality:  | Current daytime:  | Current category: default\n"
        "System language: latvian | System received: ";
    EXPECT_EQ(contents("NLP/#qivo.log"),
              head + "basic user" + tail + "unknown input" + head + "ignored" + tail + "hi");
}

TEST_F(LogFiles, ALocalInputIsLoggedInBothFiles) {
    say("Hello There");
    EXPECT_EQ(contents("Chat/Owner.log"), "CHAT LOG CREATED IN: " + stamp + "\n" + stamp +
                                              " | Owner > TalvaneBOT (LOCAL) > hello there\n");
    EXPECT_TRUE(contents("NLP/Owner.log")
                    .startsWith("NLP LOG CREATED IN: " + stamp + "\n" + stamp +
                                " | Owner | User privileges: "))
        << contents("NLP/Owner.log").toStdString();
}

TEST_F(LogFiles, ALocalConversationLeavesBothLogsInTheirFormats) {
    Settings& set = engine->state.settings;
    set.useDialogIntroForNewUsers = false;
    set.typingSimulation = false;
    set.latvianEventSystem = false;
    set.latvianSymbolConversion = false;
    Query& db = engine->db;
    db.execute("DELETE FROM system_messages WHERE event_name LIKE 'On Unknown Answer%'");
    for (int level = 1; level <= 5; ++level) {
        for (const auto& [kind, message] :
             {std::pair{"Standard", "hmm , no idea"}, std::pair{"Question", "no clue , sorry ?"}})
            db.execute(
                "INSERT INTO system_messages (`event_name`, `event_description`, "
                "`event_message`) VALUES (?, '', ?)",
                {QStringLiteral("On Unknown Answer - %1 Level %2_en").arg(kind).arg(level),
                 message});
    }
    const auto answerFully = [this] {
        for (int tick = 0; tick < 20 && delivery->MultiLineAnswering.isActive(); ++tick)
            delivery->DeliverNextLine();
    };
    say("Hello there");
    answerFully();
    fakes.clock.at = fakes.clock.at.addSecs(61);
    say("And you, how are you?");
    answerFully();

    const QString later = "09.12.2026 AT 12:01:01";
    EXPECT_EQ(contents("Chat/Owner.log"),
              "CHAT LOG CREATED IN: " + stamp + "\n" +                                 //
                  stamp + " | Owner > TalvaneBOT (LOCAL) > hello there\n" +            //
                  stamp + " | TalvaneBOT (LOCAL) > Owner > Hmm, no idea.\n" +          //
                  later + " | Owner > TalvaneBOT (LOCAL) > and you, how are you?\n" +  //
                  later + " | TalvaneBOT (LOCAL) > Owner > No clue, sorry?\n");
    const QString head = " | Owner | User privileges: owner/coowner | User personality: ";
    const QStringList nlp = contents("NLP/Owner.log").split('\n');
    ASSERT_EQ(nlp.size(), 6) << contents("NLP/Owner.log").toStdString();
    EXPECT_EQ(nlp[0], "NLP LOG CREATED IN: " + stamp);
    EXPECT_TRUE(nlp[1].startsWith(stamp + head)) << nlp[1].toStdString();
    EXPECT_TRUE(nlp[1].endsWith(" | Current daytime: midday | Current category: default"));
    // An event answer keeps the mark by which later steps know it.
    EXPECT_EQ(nlp[2],
              "System language: english | System received: hello there | System response: "
              "hmm, no idea [sysmsg]");
    EXPECT_TRUE(nlp[3].startsWith(later + head)) << nlp[3].toStdString();
    // Only an answered question gets its "?" back in the logged input.
    EXPECT_EQ(nlp[4],
              "System language: english | System received: and you how are you | System "
              "response: no clue, sorry? [sysmsg]");
    EXPECT_EQ(nlp[5], "");
}

TEST_F(LogFiles, EveryCycleBeginsWithASeparatorUnlessTheConsoleIsCleared) {
    engine->state.settings.clearLogTextsBeforeEachNlp = false;
    say("one");
    fakes.clock.at = fakes.clock.at.addSecs(5);
    say("two");
    EXPECT_EQ(fakes.console.lines.filter(QString(100, '_')),
              (QStringList{QString(100, '_') + "  2026.12.09 12:00:00",
                           QString(100, '_') + "  2026.12.09 12:00:05"}));
}

TEST_F(LogFiles, AHighlightedChannelMessageNamesTheCharacter) {
    TInput input;
    input.TargetKind = TargetKind::HighlightedChannel;
    input.UserNick = "anna";
    input.ReplyTarget = "#qivo";
    input.OriginalPhrase = "TalvaneBOT how are you";
    input.UpperPhrase = "TALVANEBOT HOW ARE YOU";
    input.Highlighted = true;
    runCycle(input);
    EXPECT_TRUE(contents("Chat/#qivo.log")
                    .endsWith(stamp + " | anna > TalvaneBOT > talvanebot how are you\n"));
    EXPECT_TRUE(contents("NLP/#qivo.log").contains(" | anna | User privileges: "));
}

TEST_F(LogFiles, ALogThatCannotBeWrittenEndsOnlyThatInput) {
    // A folder where the owner's chat log should be: no file can be opened there.
    ASSERT_TRUE(QDir().mkpath(file("Chat/Owner.log")));
    EnqueueLocalInput(*engine, LocalInput(*engine, "first"));
    TInput second = LocalInput(*engine, "second");
    second.UserNick = second.ReplyTarget = "bob";
    EnqueueIrcInput(*engine, second);

    engine->NLPtimerTimer();
    EXPECT_TRUE(fakes.console.lines.join('\n').contains("A.I. > Error: Cannot write"));
    EXPECT_EQ(fakes.console.lines.last(), "A.I. > NLP finished.");
    ASSERT_TRUE(engine->NLPtimer.isActive()) << "the queue goes on";

    engine->NLPtimerTimer();
    EXPECT_TRUE(contents("Chat/bob.log").endsWith(" | bob > TalvaneBOT (LOCAL) > second\n"));
}

TEST_F(LogFiles, ALogFolderDeletedByHandIsMadeAgain) {
    ASSERT_TRUE(QDir(engine->home.path("Logs")).removeRecursively());
    EnqueueLocalInput(*engine, LocalInput(*engine, "hello"));
    engine->NLPtimerTimer();
    EXPECT_TRUE(contents("Chat/Owner.log").contains("Owner > TalvaneBOT (LOCAL) > hello\n"));
    EXPECT_TRUE(contents("NLP/Owner.log").contains(" | System received: hello"));
}

TEST_F(LogFiles, ALogDeletedOrReplacedBetweenCyclesGetsTheNextLines) {
    EnqueueLocalInput(*engine, LocalInput(*engine, "hello"));
    engine->NLPtimerTimer();
    ASSERT_TRUE(QFile::remove(file("NLP/Owner.log")));
    ASSERT_TRUE(QFile::rename(file("Chat/Owner.log"), file("Chat/Owner.old")));
    WriteTextLines(file("Chat/Owner.log"), {"kept by hand"});
    EnqueueLocalInput(*engine, LocalInput(*engine, "again"));
    engine->NLPtimerTimer();
    EXPECT_TRUE(contents("NLP/Owner.log").contains(" | System received: again"));
    EXPECT_FALSE(contents("NLP/Owner.log").contains("hello"));
    EXPECT_TRUE(contents("Chat/Owner.log").startsWith("kept by hand\n"));
    EXPECT_TRUE(contents("Chat/Owner.log").contains("Owner > TalvaneBOT (LOCAL) > again\n"));
    EXPECT_FALSE(contents("Chat/Owner.old").contains("again"));
}

TEST_F(LogFiles, ALogFolderThatCannotBeWrittenStillQueuesTheInput) {
    ASSERT_TRUE(QDir(file("Chat")).removeRecursively());
    WriteTextLines(file("Chat"), {"not a folder"});
    EnqueueLocalInput(*engine, LocalInput(*engine, "hello"));
    EXPECT_TRUE(fakes.console.lines.join('\n').contains("A.I. > Error: Cannot write"));
    EXPECT_EQ(engine->state.stores.InputStore.size(), 1);
}

}  // namespace
