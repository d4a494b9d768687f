#pragma once

#include "brain/db_config.h"

#include <QString>

// The private brain server that the program runs from its home when Database.ini says it
// manages it. The home's own server, whether this program started it or found it running after
// a crash, is stopped at exit; a server of another home is never used, adopted or stopped.
class PrivateServer {
  public:
    PrivateServer(QString home, QString shippedBrain, DbConfig config);
    ~PrivateServer();

    // The configuration the brain is reached with; for a managed home it names the home's own
    // data folder, so that no connection is ever made to another home's server.
    const DbConfig& config() const { return config_; }
    void setConfig(DbConfig config);

    // Whether the configured server answers the test statement with our credentials. Throws
    // DbForeignServer when the server on the port keeps another home's data.
    bool answers() const;
    // Writes my.cnf and the service scripts for the configured port, runs install_qivo.sh
    // (initialise, start, create the database and load the brain) and gives the brain's user the
    // password of Main/Database.ini. Returns an empty text on success, else what went wrong.
    QString install();
    // The home's own server found answering is stopped at exit like one this program started.
    void adopt() { started_ = true; }
    // Stops the server when this program started or adopted it.
    void stopIfStarted();
    bool startedByUs() const { return started_; }

    const QString& home() const { return home_; }

  private:
    QString grantBrainUser() const;

    QString home_;
    QString shippedBrain_;
    DbConfig config_;
    bool started_ = false;
};

// The first port from `from` on on which nothing listens at `host`; `from` itself when none is
// free among the next hundred.
int FirstFreePort(const QString& host, int from);

// Why a managed home will not use the server on its port that keeps `dataFolder`, and how to give
// the home a port of its own.
QString ForeignServerMessage(const PrivateServer& server, const QString& dataFolder);
