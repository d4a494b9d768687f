#include "help_texts.h"

#include <QHash>

namespace {

constexpr int kPause = 2000;      // between groups
constexpr int kLongPause = 2500;  // between the groups of the longer lists

const QString kHomepage = QStringLiteral("{homepage}");

struct HelpGroup {
    int pauseBeforeMs;
    QStringList lines;
};

const QList<std::pair<QString, QList<HelpGroup>>>& Texts() {
    static const QList<std::pair<QString, QList<HelpGroup>>> texts = {
        {"!HELP",
         {{0,
           {"Welcome to the Q.I.V.O™ Quenmark Talvane™ help system!",
            "This help system will provide you with:"}},
          {kPause,
           {"0. Information about Q.I.V.O™.", "1. User commands.",
            "2. Owner and co-owner commands.", "3. Instructions on program training.",
            "4. Technical information.", "5. Developers' contact information."}},
          {kPause,
           {"To begin type !Help + number of section!", "EXAMPLE: !Help 5",
            "CAUTION: Use all commands only in program's private section!"}}}},
        {"!HELP 0",
         {{0, {"INFORMATION ABOUT Q.I.V.O™"}},
          {kPause,
           {"- Q.I.V.O™ is a program that makes conversation with the users of any IRC server, "
            "learns from people and builds its own personality from what it learns.",
            "- This program is trainable with simple commands. The program can be taught with "
            "responses to the user questions, synonyms, context words, case sensitive words, bad "
            "words, good words and more..",
            "- Everyone can be a teacher for this program. Together we can create a superior and "
            "smart interactive information database that can answer to every question asked by a "
            "person.",
            "- See Q.I.V.O™ project homepage: " + kHomepage +
                " for more information about the program. Thank you for any support."}}}},
        {"!HELP 1",
         {{0, {"USER COMMANDS"}},
          {kPause,
           {"- !Hello qivo: Use this command to see, if Q.I.V.O™ is online.",
            "- !Who is owner: Use this command to see who Q.I.V.O™ owner is.",
            "- !My status: Use this command to see your status.",
            "- !Status of + Nick: Use this command to see the status of other user."}},
          {kLongPause,
           {"- !Brain info: Display detailed status of Q.I.V.O™ brain.",
            "- !Qmatches + sentence: Display number of querry matches for the entered sentence "
            "in Q.I.V.O™ brain.",
            "- !Rmatches + sentence: Display number of response matches for the entered sentence "
            "in Q.I.V.O™ brain."}},
          {kLongPause,
           {"- !Teached: Display the number of responses taught by you.",
            "- !Teached + Nick: Display the number of responses taught by other user.",
            "- !Erased: Display the number of responses erased by you.",
            "- !Erased + Nick: Display the number of responses erased by other user."}},
          {kLongPause,
           {"- !Last phrase: Display your last phrase.",
            "- !Last phrase + Nick: Display the last phrase of other user.",
            "- !Tm on/off: Enable or disable training mode."}}}},
        {"!HELP 2",
         {{0, {"OWNER AND CO-OWNER COMMANDS"}},
          {kPause,
           {"- !Join + Channel: Join specific channel.",
            "- !Part + Channel: Part specific channel.", "- !Part all: Part all channels."}},
          {kLongPause,
           {"- !Set cowner + Nick: Set user as a Q.I.V.O™ co-owner.",
            "- !Set smoderator + Nick: Set user as a Q.I.V.O™ super moderator.",
            "- !Set bmoderator + Nick: Set user as a Q.I.V.O™ basic moderator."}},
          {kLongPause,
           {"- !Set buser + Nick: Set user as a basic user.",
            "- !Set ignored + Nick: Set user as ignored for Q.I.V.O™.",
            "- !Incognito add/rem + Nick: Add or remove incognito status for the user.",
            "- !Bc add/rem + word: Add or remove word that is meant as bad content."}}}},
        {"!HELP 3",
         {{0, {"PROGRAM TRAINING INFORMATION"}},
          {kPause,
           {"- !Trules: Training rules.", "- !Tm info: Information about training mode.",
            "- !Tcommands: Training commands."}}}},
        {"!HELP 4",
         {{0, {"TECHNICAL INFORMATION"}},
          {kPause,
           {"- !Core: Information about Q.I.V.O™ Core.",
            "- !Database: Information about Q.I.V.O™ database.",
            "- !MMAS: Information about Q.I.V.O™ answering system.",
            "- !Hub server: Information about Q.I.V.O™ Hub Server™."}}}},
        {"!HELP 5", {{0, {"Type \"!Contacts\" for program developers' contact information."}}}},
        {"!CONTACTS",
         {{0, {"CONTACT INFORMATION"}},
          {kPause,
           {"- The developers of Q.I.V.O™ Quenmark Talvane™ are glad to hear from you:",
            "- Q.I.V.O™ Project Homepage: " + kHomepage,
            "- Q.I.V.O™ Information Center: info@quenmark-talvane.example",
            "- Q.I.V.O™ Administration: admin@quenmark-talvane.example",
            "- Q.I.V.O™ Support Center: support@quenmark-talvane.example"}}}},
        {"!TCOMMANDS",
         {{0, {"TRAINING COMMANDS"}},
          {kPause,
           {"- # + response: Teach a response to your last input.",
            "- ## + sentence: Add a sentence to the last program response to extend it."}},
          {kPause,
           {"- Word = synonym: Teach a synonym.",
            "- Word <> synonym: Erase the existing synonym."}},
          {kPause,
           {"- Word + >>: Teach context keyword(s).",
            "- Word + <<: Erase the existing context keyword(s)."}}}},
        {"!TRULES",
         {{0, {"TRAINING RULES"}},
          {kPause,
           {"- Training of the program is allowed for the owner, co-owners, super moderators and "
            "basic moderators of the program.",
            "- Basic moderators can train the program only with responses and extend them with "
            "additional sentences.",
            "- Super moderators can train program also with synonyms, context keywords, bad "
            "words, good words, etc.",
            "- Program owner and co-owners can train the program with everything.",
            "- Basic users can only make conversation with the program."}}}},
        {"!CORE",
         {{0, {"INFORMATION ABOUT Q.I.V.O™ CORE"}},
          {kPause,
           {"- Our program Q.I.V.O™ Quenmark Talvane™ is created to run on most of the Microsoft "
            "Wondows platforms and consume less system resources.",
            "- Its source is written in C++, the program keeps all its data in a MySQL database "
            "server, and the structure of the source is complicated.",
            "- The main programs core is a set of parallel algorithms that are dynamically linked "
            "and cooperating."}}}},
        {"!DATABASE",
         {{0, {"INFORMATION ABOUT Q.I.V.O™ DATABASE"}},
          {kPause,
           {"- For data storage Q.I.V.O™ uses MySQL database server which is one of the most "
            "popular database servers in the world and provides high-speed data exchange.",
            "- It would be impossible to accomplish this program without this type of server."}}}},
        {"!MMAS",
         {{0, {"INFORMATION ABOUT Q.I.V.O™ ANSWERING SYSTEM"}},
          {kPause,
           {"- MMAS is a Multiuser Multiline Answering System algorithm.",
            "- Using this algorithm program can handle a conversation with many people "
            "simultaneously.",
            "- The program can respond to current user while processing the input data of other "
            "users.",
            "- The program also can respond with many lines of text."}}}},
        {"!HUB SERVER",
         {{0, {"INFORMATION ABOUT Q.I.V.O™ HUB SERVER™"}},
          {kPause,
           {"- Hub Server™ can cooperate with all Q.I.V.O™ Quenmark Talvane™ clients.",
            "- The main task of the server is to exchange knowledge data among all clients and to "
            "keep them always updated.",
            "- The server administrator can create new updates and choose when the new "
            "information is to be made accessible for all Q.I.V.O™ clients."}}}},
        {"!TM INFO",
         {{0, {"INFORMATION ABOUT TRAINING MODE"}},
          {kPause,
           {"- This mode will affect only the user who enabled it.",
            "- This mode can facilitate training of the program by providing additional "
            "information about every reaction to the trainer's input.",
            "- Trainer's text repetitions and other unimportant actions also will be ignored to "
            "decrease the training time."}}}},
    };
    return texts;
}

}  // namespace

const QStringList& HelpCommands() {
    static const QStringList commands = [] {
        QStringList names;
        for (const auto& [command, groups] : Texts())
            names << command;
        return names;
    }();
    return commands;
}

QList<ReplyGroup> HelpText(const QString& command, const QString& homepage) {
    QList<ReplyGroup> reply;
    for (const auto& [name, groups] : Texts()) {
        if (name != command) continue;
        for (const HelpGroup& group : groups) {
            ReplyGroup& out = reply.emplace_back(ReplyGroup{group.pauseBeforeMs, {}});
            for (QString line : group.lines)
                out.lines << ReplyLine{line.replace(kHomepage, homepage)};
        }
    }
    return reply;
}
