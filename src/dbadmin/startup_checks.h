#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class Engine;
class Notifications;
class PrivateServer;
class Query;

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

// Before any window: installs the private server on the first run (MySQL/Setup.dat), with a
// password of the home's own and the first free port, both written to Main/Database.ini. Returns
// false after showing why the program has to close.
bool ProgramStart(const QString& home, const QString& shippedBrain, PrivateServer& server,
                  Notifications& notifications);

struct Reach {
    bool reached = false;
    QString failure;  // why the server could not be used; empty when it just did not answer
};

// Brings the brain within reach: a managed home's own server is adopted when it answers and
// started when it does not, a server of another home refused; then the test statement, four
// tries 2 s apart.
Reach ReachBrain(Query& db, PrivateServer& server, const WaitFunction& wait);

struct StartupResult {
    bool ok = false;            // false: the program closes
    bool consoleReady = false;  // the console's start-up step may run
    bool firstRun = false;
};

// The checks 100 ms after the main console exists: reach the brain, mark old deliveries finished
// and walk MySQL/Setup.dat on.
StartupResult StartupChecks(Engine& engine, PrivateServer& server,
                            const WaitFunction& wait = WaitWithEventLoop);

// MySQL_checker: every 15 minutes, three tries 5 s apart, then the program closes. A lost
// connection is handed to the engine like one met by the cycle, and the checks go on once the
// brain is back.
class ConnectivityChecker : public QObject {
    Q_OBJECT
  public:
    explicit ConnectivityChecker(Engine& engine, int intervalMs = 900000, int retryMs = 5000);
    void MySQL_checkerTimer();

    QTimer MySQL_checker;
    // The next try after a failed one.
    QTimer retry;

  signals:
    void connectionLost();

  private:
    void attempt();

    Engine& engine_;
    int failures_ = 0;
};
