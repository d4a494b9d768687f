#pragma once

#include "dbadmin/startup_checks.h"

#include <QObject>

class Engine;
class PrivateServer;

// Brings the brain server back when a statement found it gone: a managed home's own server is
// started again through the start-up checks, with their tries, and the query object connects
// anew. Meanwhile the inputs wait in the engine (brain_outage.h).
class BrainRecovery : public QObject {
    Q_OBJECT
  public:
    BrainRecovery(Engine& engine, PrivateServer& server, WaitFunction wait = WaitWithEventLoop);

  signals:
    // The server could not be brought back; the lost-connection message has been shown.
    void lost();

  private:
    void recover();

    Engine& engine_;
    PrivateServer& server_;
    WaitFunction wait_;
};
