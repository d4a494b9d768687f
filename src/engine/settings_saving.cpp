#include "settings_saving.h"

#include "engine.h"

void SaveOwnersSettings(Engine& engine) {
    try {
        SaveSettings(engine.state.settings, engine.home.path("Main/Options.ini"),
                     engine.out.clock->now().date());
    } catch (const SettingsFileError& e) {
        engine.out.notifications->error(QString::fromUtf8(e.what()));
    }
}
