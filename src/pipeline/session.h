#pragma once

#include "brain/query.h"
#include "brain_recovery.h"
#include "dbadmin/maintenance_jobs.h"
#include "dbadmin/private_server.h"
#include "dbadmin/startup_checks.h"
#include "engine/engine.h"
#include "held_timers.h"
#include "irc/irc_client.h"
#include "irc/irc_link.h"
#include "irc/irc_online.h"
#include "output/delivery.h"
#include "output/lonely_talking.h"

#include <QObject>

#include <memory>

// One run of the program without its windows: the program home, the brain server, the engine
// with its stages, the IRC connection and its online life, the start-up checks and the orderly
// end. The GUI and headless mode differ only in the Outside they plug in; the IRC connection is
// the session's own, whatever `outside.irc` says. A maintenance job that has the brain holds the
// session's timers: the cycle, delivery, Lonely Talking and the connectivity check wait until it
// ends.
class Session : public QObject, public BrainHold {
    Q_OBJECT
  public:
    Session(QString home, Outside outside, OnlineTimings timings = {});
    ~Session() override;

    // Rebuilds a missing Database.ini of a set-up home, seeds the home, reads the database
    // settings and installs the server on the first run.
    // Returns false after the notifications said why the program must close.
    bool prepare();
    // Loads the settings and schedules the start-up checks; false when the settings are missing.
    bool start();
    // Saves the settings (only when they were loaded) and stops the server this run started.
    void shutdown();

    Engine& engine() { return *engine_; }
    IrcOnline& online() { return *online_; }
    PrivateServer& server() { return *server_; }
    LonelyTalking& lonely() { return *lonely_; }
    // The start-up checks found the first run after installation.
    bool firstRun() const { return firstRun_; }
    const QString& home() const { return home_; }
    // The brain as a maintenance job takes it: the session's timers are held for the job.
    MaintainedBrain maintained() { return {engine_->db, home_, *outside_.clock, this}; }

    void hold() override;
    void release() override;

  signals:
    // The start-up checks found the first run's database check due; it runs before ready().
    void firstRunCheckDue();
    // The start-up checks reached the brain: inputs may be fed.
    void ready();
    // The program has to close after a start-up or connectivity failure, or when the brain
    // server could not be brought back.
    void fatal();

  private:
    void runStartupChecks();

    QString home_;
    Outside outside_;
    OnlineTimings timings_;
    IrcClient ircClient_;
    IrcLink ircLink_{ircClient_};
    std::unique_ptr<PrivateServer> server_;
    std::unique_ptr<Query> db_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<Delivery> delivery_;
    std::unique_ptr<LonelyTalking> lonely_;
    std::unique_ptr<IrcOnline> online_;
    std::unique_ptr<BrainRecovery> recovery_;
    std::unique_ptr<ConnectivityChecker> checker_;
    HeldTimers held_;
    bool settingsLoaded_ = false;
    bool firstRun_ = false;
};
