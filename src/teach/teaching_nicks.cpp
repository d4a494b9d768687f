#include "teaching_nicks.h"

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

#include <QSet>

namespace {

// The words before each blank of `text`, which ends in a blank.
QStringList WordsBeforeBlanks(const QString& text) {
    QStringList words = text.split(' ');
    words.removeLast();
    return words;
}

bool NamesUserOnline(Engine& engine, const QString& answer) {
    static const QStringView kSeparated[] = {
        u"'", u"=", u"/", u":", u"~", u"!",  u"@", u"#", u"$", u"%", u"&", u"*",     u"(",
        u")", u"+", u"{", u"}", u";", u"\"", u",", u".", u"<", u">", u"?", u"\u00B0"};
    QString text = answer.toUpper() + ' ';
    for (const QStringView character : kSeparated)
        ReplaceAll(text, character, QString(' ' + character.toString() + ' '));
    SqueezeBlanks(text, 1);
    const QString ownNick = engine.state.settings.nickname;
    QSet<QString> asked;
    for (const QString& word : WordsBeforeBlanks(text)) {
        if (word.isEmpty() || asked.contains(word)) continue;
        asked.insert(word);
        const QString key = EncodeNick(word).replace('"', QLatin1String("SPCBRACKETS"));
        if (engine.db.open("SELECT * FROM users_online WHERE ? = UPPER(user) AND ? <> ? LIMIT 1",
                           {key, key, ownNick}) > 0)
            return true;
    }
    return false;
}

}  // namespace

bool AnswerNamesNick(Engine& engine, const QString& answer) {
    if (NamesUserOnline(engine, answer)) return true;
    const QString ownNick = engine.state.settings.nickname.toUpper();
    return !ownNick.isEmpty() && WordsBeforeBlanks(answer.toUpper() + ' ').contains(ownNick);
}
