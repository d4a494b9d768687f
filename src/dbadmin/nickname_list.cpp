#include "nickname_list.h"

#include "brain/nick_encoding.h"
#include "brain/query.h"

QStringList NicknameList::names() {
    QStringList all;
    db_.open("SELECT name FROM words_ainicknames");
    for (db_.first(); !db_.eof(); db_.next())
        all << DecodeNick(db_.field("name"));
    all.sort(Qt::CaseInsensitive);
    return all;
}

QString NicknameList::add(const QString& nick) {
    const QString key = EncodeNick(nick);
    if (db_.open("SELECT * FROM words_ainicknames WHERE name=? LIMIT 1", {key}) > 0)
        return "Entry \"" + nick + "\" already exist!";
    db_.execute("INSERT INTO words_ainicknames (`name`) VALUES (?)", {key});
    return "Entry \"" + nick + "\" added.";
}

QString NicknameList::remove(const QString& nick) {
    if (db_.execute("DELETE FROM words_ainicknames WHERE name=?", {EncodeNick(nick)}) == 0)
        return "Entry \"" + nick + "\" does not exist!";
    return "Entry \"" + nick + "\" removed.";
}

std::optional<QString> NicknameList::randomName() {
    if (db_.open("SELECT * FROM words_ainicknames ORDER BY RAND() LIMIT 1") == 0) return {};
    return DecodeNick(db_.field("name"));
}

QString WithoutForbiddenNickCharacters(QString nick) {
    for (const QChar c : QStringView(u"°~!@#$%&*()+={};:\"'<>/?,."))
        nick.remove(c);
    return nick;
}
