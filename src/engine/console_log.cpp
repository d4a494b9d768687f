#include "console_log.h"

#include "engine.h"

void ConsoleLine(Engine& engine, const QString& text) {
    engine.out.console->appendLine(text);
}

void DetailLine(Engine& engine, const QString& text) {
    if (engine.state.settings.showDetailedConsoleLogTexts) ConsoleLine(engine, text);
}

void SeparatorLine(Engine& engine) {
    ConsoleLine(engine,
                QString(100, '_') + "  " + engine.out.clock->now().toString("yyyy.MM.dd hh:mm:ss"));
}

void PlayCue(Engine& engine, const QString& file) {
    if (engine.state.settings.enableConsoleSounds)
        engine.out.sounds->play(engine.home.path("sounds/" + file));
}
