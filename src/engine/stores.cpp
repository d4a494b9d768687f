#include "stores.h"

TUserVariables& Stores::userVariables(const QString& nick) {
    for (TUserVariables& record : UserVarStore)
        if (record.nick == nick) return record;
    TUserVariables record;
    record.nick = nick;
    UserVarStore.append(record);
    return UserVarStore.last();
}
