#pragma once

#include <QString>

class Engine;
class Query;

// users_online's row of the encoded `user` in `channel` goes.
void RemoveOnlineUser(Query& db, const QString& user, const QString& channel);

// A user changed nick from `oldNick` to `newNick`: every store and table that holds the user
// follows. Only that user: nicks compare whole and exactly, in nick encoding where they are
// stored encoded, so "Bob" renames neither "Bobby" nor "bob". Where the new nick already has its
// one record (a table or store of one record a user), that record stays and the old one is left
// as it is. A private reply target follows the user; a channel one stays.
void RenameUser(Engine& engine, const QString& oldNick, const QString& newNick);
