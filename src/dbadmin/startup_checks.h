#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class Engine;
class Notifications;
class PrivateServer;
struct DbConfig;

// Waits without blocking the event loop; tests pass one that returns at once.
using WaitFunction = std::function<void(int milliseconds)>;
void WaitWithEventLoop(int milliseconds);

inline const QString kNoConnectionMessage =
    "No connection to MySQL server required to run Q.I.V.O™ Quenmark Talvane™. Reinstall "
    "application using original installer software or contact Q.I.V.O™ Support Center to solve "
    "this problem. Program will close now!";
inline const QString kMissingConfigurationMessage =
    "Missing proper ODBC/BDE configuration required to run Q.I.V.O™ Quenmark Talvane™. Reinstall "
    "application using original installer software or contact Q.I.V.O™ Support Center to solve "
    "this problem. Program will close now!";
inline const QString kLostConnectionMessage =
    "Lost connection to MySQL server! Contact Q.I.V.O™ Support Center to solve this problem. "
    "Program will close now!";

// Before any window: installs the private server on the first run (MySQL/Setup.dat). Returns
// false after showing why the program has to close.
bool ProgramStart(const QString& home, const QString& shippedBrain, const DbConfig& config,
                  PrivateServer& server, Notifications& notifications);

struct StartupResult {
    bool ok = false;            // false: the program closes
    bool consoleReady = false;  // the console's start-up step may run
    bool firstRun = false;
};

// The checks 100 ms after the main console exists: start the managed server when it does not
// answer, reach it, mark old deliveries finished and walk MySQL/Setup.dat on.
StartupResult StartupChecks(Engine& engine, PrivateServer& server, bool managed,
                            const WaitFunction& wait = WaitWithEventLoop);

// MySQL_checker: every 15 minutes, three tries 5 s apart, then the program closes.
class ConnectivityChecker : public QObject {
    Q_OBJECT
  public:
    explicit ConnectivityChecker(Engine& engine, int intervalMs = 900000, int retryMs = 5000);
    void MySQL_checkerTimer();

  signals:
    void connectionLost();

  private:
    void attempt(int failures);

    Engine& engine_;
    QTimer MySQL_checker;
    int retryMs_;
};
