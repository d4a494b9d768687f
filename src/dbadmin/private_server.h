#pragma once

#include "brain/db_config.h"

#include <QString>

// The private brain server that the program runs from its home when Database.ini says it
// manages it. A server the program finds already answering is left alone at exit.
class PrivateServer {
  public:
    PrivateServer(QString home, QString shippedBrain, DbConfig config);
    ~PrivateServer();

    // Whether the configured server answers the test statement with our credentials.
    bool answers() const;
    // Whether something listens on the configured port.
    bool portTaken() const;
    // Writes my.cnf and the service scripts for the configured port, then runs install_qivo.sh:
    // initialise, start, create the database and load the brain. Returns an empty text on
    // success, else what went wrong.
    QString install();
    // Stops the server when this program started it.
    void stopIfStarted();
    bool startedByUs() const { return started_; }

  private:
    QString home_;
    QString shippedBrain_;
    DbConfig config_;
    bool started_ = false;
};
