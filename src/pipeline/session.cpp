#include "session.h"

#include "assemble_stages.h"
#include "dbadmin/db_config_rebuild.h"
#include "engine/console_log.h"
#include "engine/program_home.h"
#include "engine/settings_saving.h"

#include <QFile>
#include <QTimer>

Session::Session(QString home, Outside outside, OnlineTimings timings)
    : home_(std::move(home)), outside_(outside), timings_(timings) {
    outside_.irc = &ircLink_;
}

Session::~Session() {
    shutdown();
}

bool Session::prepare() {
    Notifications& notify = *outside_.notifications;
    const QString shipped = ShippedDataFolder();
    try {
        // Before seeding, which would bring back the shipped file.
        const QString warning = RebuildMissingDbConfig(home_);
        if (!warning.isEmpty()) notify.information(warning);
    } catch (const DbConfigError& e) {
        notify.error(QString::fromUtf8(e.what()) + " Program will close now!");
        return false;
    }
    try {
        SeedProgramHome(home_, shipped);
    } catch (const HomeSeedError& e) {
        notify.error(QString::fromUtf8(e.what()) + " Program will close now!");
        return false;
    }
    DbConfig config;
    try {
        config = LoadDbConfig(DbConfigPath(home_));
    } catch (const DbConfigError& e) {
        notify.error(kMissingConfigurationMessage + "\n" + QString::fromUtf8(e.what()));
        return false;
    }
    // They hold the brain's and the IRC server's passwords.
    for (const QString& secret : {DbConfigPath(home_), home_ + "/Main/Irc.ini"})
        QFile::setPermissions(secret, QFile::ReadOwner | QFile::WriteOwner);
    server_ = std::make_unique<PrivateServer>(home_, shipped + "/brain", config);
    if (!ProgramStart(home_, shipped + "/brain", *server_, notify)) return false;
    db_ = std::make_unique<Query>(server_->config());
    engine_ = std::make_unique<Engine>(*db_, outside_, ProgramHome(home_));
    delivery_ = std::make_unique<Delivery>(*engine_);
    lonely_ = std::make_unique<LonelyTalking>(*engine_);
    AssembleStages(engine_->stages, *delivery_, *lonely_);
    online_ = std::make_unique<IrcOnline>(*engine_, ircClient_, timings_);
    AssembleOnlineStages(engine_->stages, *online_);
    return true;
}

bool Session::start() {
    EngineState& s = engine_->state;
    engine_->out.console->clear();
    s.NlpCount = 0;
    engine_->showStatusLine();
    try {
        const QString options = engine_->home.path("Main/Options.ini");
        const SettingsFileShape shape = LoadSettings(s.settings, options);
        if (!shape.sound())
            outside_.notifications->information(KeepDamagedSettings(options, shape));
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
    const StartupResult result = StartupChecks(*engine_, *server_);
    if (!result.ok) {
        emit fatal();
        return;
    }
    firstRun_ = result.firstRun;
    recovery_ = std::make_unique<BrainRecovery>(*engine_, *server_);
    connect(recovery_.get(), &BrainRecovery::lost, this, &Session::fatal);
    checker_ = std::make_unique<ConnectivityChecker>(*engine_);
    connect(checker_.get(), &ConnectivityChecker::connectionLost, this, &Session::fatal);
    if (result.firstRun) emit firstRunCheckDue();
    try {
        engine_->stages.PrepareAnswerLookup(*engine_);
    } catch (const DbError&) {
        // The first input builds the copies again, and its cycle reports what fails.
    }
    emit ready();
    online_->StartUpStep();
}

void Session::hold() {
    QList<QTimer*> timers = {&engine_->NLPtimer, &delivery_->MultiLineAnswering,
                             &delivery_->MMASStarter, &delivery_->typing, &lonely_->LonelyTimer};
    if (checker_) timers << &checker_->MySQL_checker << &checker_->retry;
    held_.hold(timers);
}

void Session::release() {
    held_.release();
}

void Session::shutdown() {
    if (engine_ && settingsLoaded_) {
        settingsLoaded_ = false;
        SaveOwnersSettings(*engine_);
    }
    checker_.reset();
    recovery_.reset();
    if (db_) db_->disconnect();
    if (server_) server_->stopIfStarted();
}
