#pragma once

#include "qstring_printer.h"

#include "brain/query.h"
#include "engine/engine.h"
#include "support/fake_outside.h"

#include <QDir>

// An engine for the normalisation stages that never reach the brain: its query object is never
// connected, and the settings are the design defaults.
struct PhraseEngine {
    PhraseEngine() : db(DbConfig{}), engine(db, fakes.outside(), ProgramHome(QDir::tempPath())) {}

    Request& request() { return engine.state.request; }
    Settings& settings() { return engine.state.settings; }
    const QStringList& console() const { return fakes.console.lines; }

    FakeOutside fakes;
    Query db;
    Engine engine;
};
