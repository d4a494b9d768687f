#include "session.h"

#include "assemble_stages.h"
#include "engine/console_log.h"
#include "engine/program_home.h"

#include <QTimer>

Session::Session(QString home, Outside outside) : home_(std::move(home)), outside_(outside) {}

Session::~Session() {
    shutdown();
}

bool Session::prepare() {
    Notifications& notify = *outside_.notifications;
    const QString shipped = ShippedDataFolder();
    try {
        SeedProgramHome(home_, shipped);
    } catch (const HomeSeedError& e) {
        notify.error(QString::fromUtf8(e.what()) + " Program will close now!");
        return false;
    }
    try {
        config_ = LoadDbConfig(home_ + "/Main/Database.ini");
    } catch (const DbConfigError& e) {
        notify.error(kMissingConfigurationMessage + "\n" + QString::fromUtf8(e.what()));
        return false;
    }
    server_ = std::make_unique<PrivateServer>(home_, shipped + "/brain", config_);
    if (!ProgramStart(home_, shipped + "/brain", config_, *server_, notify)) return false;
    db_ = std::make_unique<Query>(config_);
    engine_ = std::make_unique<Engine>(*db_, outside_, ProgramHome(home_));
    delivery_ = std::make_unique<Delivery>(*engine_);
    AssembleStages(engine_->stages, *delivery_);
    return true;
}

bool Session::start() {
    EngineState& s = engine_->state;
    engine_->out.console->clear();
    s.NlpCount = 0;
    engine_->showStatusLine();
    try {
        LoadSettings(s.settings, engine_->home.path("Main/Options.ini"));
        LoadAdditionalSettings(s.settings, engine_->home.path("Main/Additional.ini"));
    } catch (const SettingsFileError& e) {
        outside_.notifications->error(QString::fromUtf8(e.what()) +
                                      " The settings are needed to start. Program will close now!");
        return false;
    }
    settingsLoaded_ = true;
    QTimer::singleShot(100, this, &Session::runStartupChecks);
    return true;
}

void Session::runStartupChecks() {
    const StartupResult result = StartupChecks(*engine_, *server_, config_.managed);
    if (!result.ok) {
        emit fatal();
        return;
    }
    checker_ = std::make_unique<ConnectivityChecker>(*engine_);
    connect(checker_.get(), &ConnectivityChecker::connectionLost, this, &Session::fatal);
    emit ready();
}

void Session::shutdown() {
    if (engine_ && settingsLoaded_) {
        settingsLoaded_ = false;
        try {
            SaveSettings(engine_->state.settings, engine_->home.path("Main/Options.ini"),
                         engine_->out.clock->now().date());
        } catch (const SettingsFileError& e) {
            outside_.notifications->error(QString::fromUtf8(e.what()));
        }
    }
    checker_.reset();
    if (db_) db_->disconnect();
    if (server_) server_->stopIfStarted();
}
