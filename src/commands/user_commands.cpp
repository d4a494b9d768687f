#include "user_commands.h"

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "command_call.h"
#include "engine/engine.h"
#include "reply_groups.h"

#include <QHash>

namespace {

const QString kUnknown = QStringLiteral("UNKNOWN VALUE");

QString StatusText(const QString& type) {
    static const QHash<QString, QString> texts = {
        {"BASIC USER", "basic user."},
        {"OWNER", "Q.I.V.O™ owner."},
        {"COOWNER", "Q.I.V.O™ co-owner."},
        {"SUPER MODERATOR", "Q.I.V.O™ super moderator."},
        {"BASIC MODERATOR", "Q.I.V.O™ basic moderator."},
        {"IGNORED", "ignored for Q.I.V.O™."},
        {"TEMPORARY", "Q.I.V.O™ temporary basic moderator."}};
    return texts.value(type);
}

// Counts the rows of `table` whose `column` matches `pattern` as a regular expression; a
// pattern the server rejects matches nothing.
qint64 CountMatches(Query& db, const QString& table, const QString& column,
                    const QString& pattern) {
    if (db.open("SELECT COUNT(*) AS n FROM " + table + " WHERE " + column + " RLIKE ?",
                {pattern}) == 0)
        return 0;
    return db.field("n").toLongLong();
}

// The match counts: an action now, the counts after a second.
bool CountAndReport(const CommandCall& call, const QString& column, const QString& what,
                    const QString& pattern) {
    Engine& e = call.e;
    const QString sentence = call.phraseAfter().simplified();
    call.pacer.send(e, [&]() -> QList<ReplyGroup> {
        const qint64 standard = CountMatches(e.db, "interface_s", column, pattern.toUpper());
        const qint64 questions = CountMatches(e.db, "interface_q", column, pattern.toUpper());
        return {{0,
                 {{"counting " + what + " matches for sentence \"" + sentence.toLower() +
                       "\" in Q.I.V.O™ brain..",
                   true}}},
                {1000,
                 {{"found " + QString::number(standard) + " matches in standard phrase database.",
                   true},
                  {"found " + QString::number(questions) + " matches in question phrase database.",
                   true},
                  {"finished counting.", true}}}};
    });
    return true;
}

bool SetTrainingMode(const CommandCall& call, bool on) {
    Engine& e = call.e;
    if (!e.state.settings.allowTrainingMode) {
        call.action(
            "cannot enable or disable \"Ease Teaching\" mode. Option is disabled by the owner.");
        return true;
    }
    const QString& key = e.state.request.UserKey;
    const QString value = on ? "YES" : "NO";
    if (e.db.open("SELECT * FROM users_options WHERE user=? LIMIT 1", {key}) > 0)
        e.db.execute("REPLACE users_options (`index`, `user`, `ease_teaching`) VALUES (?, ?, ?)",
                     {e.db.field("index"), key, value});
    else
        e.db.execute("INSERT INTO users_options (`user`, `ease_teaching`) VALUES (?, ?)",
                     {key, value});
    call.action(on ? "enabled training mode for you." : "disabled training mode for you.");
    return true;
}

// "!TEACHED" and "!ERASED", for the user or for the nick that follows.
bool ReportCount(const CommandCall& call, const QString& column, const QString& verb) {
    Engine& e = call.e;
    QString rest = e.state.request.WorkPhrase;
    rest.remove(e.state.settings.nickname.toUpper()).remove(call.command).remove(' ');
    const QString key = rest.isEmpty() ? e.state.request.UserKey : EncodeNick(rest);
    const QString count = e.db.open("SELECT * FROM users_stats WHERE user=? LIMIT 1", {key}) > 0
                              ? e.db.field(column)
                              : kUnknown;
    call.reply(rest.isEmpty() ? "You " + verb + " " + count + " responses."
                              : "User " + rest + " " + verb + " " + count + " responses.");
    return true;
}

}  // namespace

bool HelloQivo(const CommandCall& call) {
    call.e.out.irc->SendAction(call.e.state.request.ReplyTarget, "is a Q.I.V.O™. Hello!");
    return true;
}

bool MyStatus(const CommandCall& call) {
    const Request& r = call.e.state.request;
    const bool owner = r.UserNick == call.e.state.settings.ownersNickname;
    static const QHash<Privilege, QString> texts = {
        {Privilege::BasicUser, "basic user."},
        {Privilege::SuperModerator, "Q.I.V.O™ super moderator."},
        {Privilege::BasicModerator, "Q.I.V.O™ basic moderator."}};
    const QString text = r.TemporaryGranted                ? "Q.I.V.O™ temporary basic moderator."
                         : r.Privilege != Privilege::Owner ? texts.value(r.Privilege)
                         : owner                           ? "Q.I.V.O™ owner."
                                                           : "Q.I.V.O™ co-owner.";
    call.reply("Your status is " + text);
    return true;
}

// The status of the address the nick is online from; of any address when it is not online.
bool StatusOf(const CommandCall& call) {
    const std::optional<QString> nick = OneNick(call.rawAfter());
    if (!nick) return false;
    Engine& e = call.e;
    const QString address = e.stages.OnlineAddressOf(e, *nick);
    const bool found =
        address.isEmpty()
            ? e.db.open("SELECT * FROM users_privileges WHERE user=? LIMIT 1",
                        {EncodeNick(*nick)}) > 0
            : e.db.open("SELECT * FROM users_privileges WHERE user=? AND host=? LIMIT 1",
                        {EncodeNick(*nick), address}) > 0;
    if (!found) {
        DoesNotKnow(call, *nick);
        return true;
    }
    call.reply("Users " + *nick + " status is " + StatusText(e.db.field("type")));
    return true;
}

bool WhoIsOwner(const CommandCall& call) {
    const QString& owner = call.e.state.settings.ownersNickname;
    call.reply(call.e.state.request.UserNick != owner ? "My owner is: " + owner
                                                      : "You are my owner.");
    return true;
}

bool BrainInfo(const CommandCall& call) {
    const BrainCounts& c = call.e.state.counts;
    const auto line = [](const QString& label, qint64 count) {
        return ReplyLine{label + QString::number(count)};
    };
    call.pacer.send(call.e, [&]() -> QList<ReplyGroup> {
        return {
            {0, {{"Q.I.V.O™ brain status:"}}},
            {2000,
             {line("Standard phrases: ", c.interfaceS), line("Question phrases: ", c.interfaceQ),
              line("Command synonyms defined: ", c.cmdSynonyms),
              line("Word synonyms defined: ", c.synonyms)}},
            {2000,
             {line("Word corrections defined: ", c.corrections),
              line("Context keywords defined: ", c.contextWords),
              line("Positive words defined: ", c.positiveWords),
              line("Negative words defined: ", c.negativeWords)}},
            {2000,
             {line("Case sensitive words defined: ", c.caseSensitiveWords),
              line("A.I. system messages defined: ", c.systemMessages),
              line("Known users: ", c.lastphraseUser),
              line("Unsolved phrases: ", c.unsolvedData)}}};
    });
    return true;
}

// Stored questions are patterns with "%" for blanks and at both ends: the sentence becomes one.
bool QueryMatches(const CommandCall& call) {
    QString pattern = '%' + call.phraseAfter().simplified().replace(' ', '%') + '%';
    pattern.replace("%%%", "%").replace("%%", "%");
    return CountAndReport(call, "question", "querry", pattern);
}

bool ResponseMatches(const CommandCall& call) {
    return CountAndReport(call, "answer", "response", call.phraseAfter().simplified());
}

bool TrainingModeOn(const CommandCall& call) {
    return SetTrainingMode(call, true);
}

bool TrainingModeOff(const CommandCall& call) {
    return SetTrainingMode(call, false);
}

bool LastPhrase(const CommandCall& call) {
    Engine& e = call.e;
    const QString nick = call.phraseAfter().mid(1, 20).trimmed();
    const QString key = nick.isEmpty() ? e.state.request.UserKey : EncodeNick(nick);
    const QString phrase =
        e.db.open("SELECT * FROM lastphrase_user WHERE user=? LIMIT 1", {key}) > 0
            ? e.db.field("phrase")
            : kUnknown;
    call.reply(nick.isEmpty() ? "Your Last Phrase: " + phrase
                              : "Users " + nick + " Last Phrase: " + phrase);
    return true;
}

bool Teached(const CommandCall& call) {
    return ReportCount(call, "teached_count", "teached");
}

bool Erased(const CommandCall& call) {
    return ReportCount(call, "erased_count", "erased");
}
