#include "dialogue_records.h"

#include "engine.h"

void SaveInputContext(Engine&) {}

void UpdateDialogueCounters(Engine& engine) {
    engine.state.unknownLevel = 0;
}

void TrainingNotice(Engine&, const QString&) {}

void UpdateDialogueHistory(Engine&) {}

void SaveUnsolved(Engine&) {}

void SaveOutputContext(Engine&, const QString&, QString, OutputContextForm) {}
