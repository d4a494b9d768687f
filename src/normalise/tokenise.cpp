#include "tokenise.h"

#include "phrase_marks.h"

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

#include <QHash>

#include <optional>

namespace {

// Characters that are cut loose from their neighbours while the words are looked up.
constexpr QStringView kSpacedApart[] = {
    u"'", u"/", u":", u"~", u"@", u"$", u"%",  u"&", u"*",
    u"(", u")", u"+", u"{", u"}", u";", u"\"", u".", u"°",
};

// ... and joined to them again afterwards.
constexpr Replacement kJoinedAgain[] = {
    {u" ' ", u"'"},   {u" / ", u"/"}, {u" : ", u":"}, {u" ~ ", u"~"}, {u" @ ", u"@"},
    {u" $ ", u"$"},   {u" % ", u"%"}, {u" & ", u"&"}, {u" * ", u"*"}, {u" ( ", u"("},
    {u" ) ", u")"},   {u" + ", u"+"}, {u" { ", u"{"}, {u" } ", u"}"}, {u" ; ", u";"},
    {u" \" ", u"\""}, {u" . ", u"."}, {u" ° ", u"°"},
};

constexpr QStringView kQuoteToken = u"SPCBRACKETS";

// A word in the form users_online keeps nicks in, with the double quote encoded too.
QString EncodeWord(const QString& word) {
    QString encoded = EncodeNick(word);
    ReplaceAll(encoded, u"\"", kQuoteToken);
    return encoded;
}

QString DecodeWords(const QString& text) {
    QString decoded = DecodeNick(text);
    ReplaceAll(decoded, kQuoteToken, u"\"");
    return decoded;
}

// The stored nick of the user online that the encoded word names, if any. The
// server makes both comparisons, so its collation decides what counts as equal.
class OnlineUsers {
  public:
    explicit OnlineUsers(Engine& engine) : engine_(engine) {}

    std::optional<QString> named(const QString& encodedWord) {
        // Nothing else runs while the phrase is tokenised: a word asked once keeps its answer,
        // and with nobody online (local chat) no word needs asking.
        if (!anyoneOnline_) anyoneOnline_ = engine_.db.catalogue().rowCount("users_online") > 0;
        if (!*anyoneOnline_) return std::nullopt;
        const auto known = answers_.constFind(encodedWord);
        if (known != answers_.cend()) return *known;
        Query& db = engine_.db;
        const bool found =
            db.open(QStringLiteral("SELECT * FROM users_online WHERE ? = UPPER(user) AND ? <> ? "
                                   "LIMIT 1"),
                    {encodedWord, encodedWord, engine_.state.settings.nickname}) > 0;
        const std::optional<QString> user =
            found ? std::optional(db.field(QStringLiteral("user"))) : std::nullopt;
        answers_.insert(encodedWord, user);
        return user;
    }

  private:
    Engine& engine_;
    std::optional<bool> anyoneOnline_;
    QHash<QString, std::optional<QString>> answers_;
};

// Looks every word up among the users online and joins the words with single blanks.
QString JoinWordsNotingNicks(Engine& engine, const QString& text) {
    Request& r = engine.state.request;
    OnlineUsers online(engine);
    QString joined;
    for (const QStringView word : QStringView(text).split(u' ', Qt::SkipEmptyParts)) {
        QString encoded = EncodeWord(word.toString());
        const std::optional<QString> user = online.named(encoded);
        if (user) {
            r.UserNickMentioned = true;
            if (engine.state.settings.removeUserNicksFromMsg) {
                RemoveIgnoringCase(encoded, *user);
                r.NickRemoved = true;
                ConsoleLine(engine, "A.I. > Removed user nickname \"" + DecodeWords(*user) +
                                        "\" from message.");
            }
        }
        if (!encoded.isEmpty()) joined += u' ' + encoded;
    }
    return joined;
}

}  // namespace

void TokenisePhrase(Engine& engine) {
    Request& r = engine.state.request;
    r.UserNickMentioned = false;
    QString s = r.WorkPhrase.toUpper() + u' ';
    MarkCommas(s);
    MarkExclamations(s);
    MarkQuestions(s);
    MarkHashes(s);
    MarkCommandSymbols(s);
    PadMarks(s);
    for (const QStringView character : kSpacedApart)
        ReplaceAll(s, character, QLatin1Char(' ') + character.toString() + QLatin1Char(' '));
    SqueezeBlanks(s, 1);

    QString phrase = JoinWordsNotingNicks(engine, s);
    TrimBlanks(phrase);
    while (phrase.startsWith(u':'))
        phrase.remove(0, 1);
    TrimBlanks(phrase);
    phrase = DecodeWords(phrase);
    ApplyInOrder(phrase, kJoinedAgain);
    RestoreMarks(phrase);
    SqueezeBlanks(phrase, 1);
    r.WorkPhrase = phrase;
}
