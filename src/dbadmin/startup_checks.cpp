#include "startup_checks.h"

#include "brain/query.h"
#include "engine/engine.h"
#include "engine/text_files.h"
#include "private_server.h"
#include "server_files.h"
#include "setup_state.h"

#include <QEventLoop>

namespace {

QString SetupPath(const QString& home) {
    return home + "/MySQL/Setup.dat";
}

bool TestStatement(Query& db) {
    try {
        db.open("SELECT * FROM system_channels LIMIT 1");
        return true;
    } catch (const DbError&) {
        db.disconnect();
        return false;
    }
}

}  // namespace

void WaitWithEventLoop(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool ProgramStart(const QString& home, const QString& shippedBrain, const DbConfig& config,
                  PrivateServer& server, Notifications& notifications) {
    SetupState setup;
    try {
        setup = ReadSetupState(SetupPath(home));
    } catch (const TextFileError&) {
        notifications.error("The file " + SetupPath(home) +
                            " is missing; it belongs to the program home. Program will close now!");
        return false;
    }
    if (!setup.installPending()) return true;
    notifications.information(
        "Welcome Q.I.V.O™ User! The MySQLTX service that is required for program to work "
        "properly will be installed and configured on your computer now! Program should launch "
        "automatically after successful service configuration.");
    try {
        if (!config.managed) WriteServerFiles(home, shippedBrain, config.port);
        if (config.managed) {
            if (!server.answers() && server.portTaken()) {
                notifications.error(QStringLiteral("Port %1 on %2 is already used by another "
                                                   "program. Stop that program, or point "
                                                   "Main/Database.ini at that server.")
                                        .arg(config.port)
                                        .arg(config.host));
                return false;
            }
            const QString failure = server.install();
            if (!failure.isEmpty()) {
                notifications.error(failure);
                return false;
            }
        }
        WriteSetupState(SetupPath(home), true);
    } catch (const TextFileError& e) {
        notifications.error(QString::fromUtf8(e.what()));
        return false;
    }
    return true;
}

StartupResult StartupChecks(Engine& engine, PrivateServer& server, bool managed,
                            const WaitFunction& wait) {
    EngineState& s = engine.state;
    Notifications& notify = *engine.out.notifications;
    s.databaseReady = false;
    if (managed && !server.answers()) {
        if (server.portTaken()) {
            notify.error(QStringLiteral("Port %1 on %2 is used by a server that does not accept "
                                        "the brain's user. Stop that program, or point "
                                        "Main/Database.ini at the right server.")
                             .arg(engine.db.config().port)
                             .arg(engine.db.config().host));
            return {};
        }
        const QString failure = server.install();
        if (!failure.isEmpty()) {
            notify.error(failure);
            return {};
        }
    }
    bool reached = false;
    for (int attempt = 1; attempt <= 4 && !reached; ++attempt) {
        reached = TestStatement(engine.db);
        if (!reached && attempt < 4) wait(2000);
    }
    if (!reached) {
        notify.error(kNoConnectionMessage);
        return {};
    }
    s.databaseReady = true;
    StartupResult result{.ok = true};
    try {
        if (s.settings.updateRestartFlag && !s.settings.automaticUpdates) {
            const QStringList update = ReadTextLines(engine.home.path("Main/Update.dat"));
            notify.information(QStringLiteral("Q.I.V.O™ successfully updated to version No. ") +
                               TALVANE_VERSION + "." + update.value(1) + ".");
        }
    } catch (const TextFileError&) {
        // No update notice shipped: nothing to announce.
    }
    try {
        engine.db.execute("update mmas set finished = replace(finished,?,?)", {"NO", "YES"});
        const SetupState setup = ReadSetupState(SetupPath(engine.home.root()));
        if (setup.firstRunLine == kFirstRunFalse) {
            result.consoleReady = true;
        } else if (setup.firstRunLine == kFirstRunTrue) {
            result.firstRun = result.consoleReady = true;
            notify.information(
                "This is the first program startup, so automatic database check will be "
                "performed.");
            WriteSetupState(SetupPath(engine.home.root()), false);
        }
    } catch (const std::exception& e) {
        notify.error(QString::fromUtf8(e.what()));
        return {};
    }
    return result;
}

ConnectivityChecker::ConnectivityChecker(Engine& engine, int intervalMs, int retryMs)
    : engine_(engine), retryMs_(retryMs) {
    MySQL_checker.setInterval(intervalMs);
    connect(&MySQL_checker, &QTimer::timeout, this, &ConnectivityChecker::MySQL_checkerTimer);
    MySQL_checker.start();
}

void ConnectivityChecker::MySQL_checkerTimer() {
    MySQL_checker.stop();
    attempt(0);
}

void ConnectivityChecker::attempt(int failures) {
    engine_.out.additional->logLine("A.I. > Checking MySQL connectivity at " +
                                    engine_.out.clock->now().toString("hh:mm:ss") + ".");
    if (TestStatement(engine_.db)) {
        MySQL_checker.start();
        return;
    }
    if (failures + 1 >= 3) {
        engine_.out.notifications->error(kLostConnectionMessage);
        emit connectionLost();
        return;
    }
    QTimer::singleShot(retryMs_, this, [this, failures] { attempt(failures + 1); });
}
