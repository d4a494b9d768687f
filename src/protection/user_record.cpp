#include "user_record.h"

#include "engine/engine.h"

#include <algorithm>

TUserVariables* FindUserRecord(Engine& e, const QString& nick) {
    for (TUserVariables& record : e.state.stores.UserVarStore)
        if (record.nick == nick) return &record;
    return nullptr;
}

qint64 NowMs(const Engine& e) {
    return e.out.clock->now().toMSecsSinceEpoch();
}

qint64 ElapsedMs(const Engine& e, qint64 since) {
    return std::max<qint64>(1, NowMs(e) - since);
}
