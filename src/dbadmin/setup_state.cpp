#include "setup_state.h"

#include "engine/text_files.h"

SetupState ReadSetupState(const QString& path) {
    const QStringList lines = ReadTextLines(path);
    return SetupState{lines.value(0), lines.value(1)};
}

void WriteSetupState(const QString& path, bool firstRun) {
    WriteTextLines(path, {kServiceActivated, firstRun ? kFirstRunTrue : kFirstRunFalse});
}
