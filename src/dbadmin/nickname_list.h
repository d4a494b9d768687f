#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Query;

// The character's candidate nicknames (table words_ainicknames, in nick encoding).
class NicknameList {
  public:
    explicit NicknameList(Query& db) : db_(db) {}

    // The names as typed, sorted.
    QStringList names();
    // Each returns the message to show the owner.
    QString add(const QString& nick);
    QString remove(const QString& nick);
    // A name drawn at random; none when the list is empty.
    std::optional<QString> randomName();

  private:
    Query& db_;
};

inline const QString kNicknameListEmpty = QStringLiteral("Q.I.V.O™ Nickname list is empty!");

// The nick without the characters an IRC nickname may not hold.
QString WithoutForbiddenNickCharacters(QString nick);
