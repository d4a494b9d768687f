#include "startup_checks.h"

#include "brain/query.h"
#include "engine/brain_outage.h"
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

const QString kTestStatement = "SELECT * FROM system_channels LIMIT 1";

// A first install gives the home's brain user a password of its own instead of the shipped one,
// and its server the first free port from the configured one on.
void ClaimPasswordAndPort(const QString& home, PrivateServer& server,
                          Notifications& notifications) {
    DbConfig own = server.config();
    if (own.password.isEmpty() || own.password == kSharedPassword) own.password = NewDbPassword();
    const int wanted = own.port;
    own.port = FirstFreePort(own.host, wanted);
    SaveDbConfig(DbConfigPath(home), own);
    server.setConfig(own);
    if (own.port != wanted)
        notifications.information(QStringLiteral("Port %1 on %2 is in use by another program: "
                                                 "this home's brain server takes port %3 "
                                                 "instead (the port key of %4).")
                                      .arg(wanted)
                                      .arg(own.host)
                                      .arg(own.port)
                                      .arg(DbConfigPath(home)));
}

// The home's own server answering is adopted; one that does not answer is started.
QString BringUpOwnServer(PrivateServer& server) {
    try {
        if (server.answers()) {
            server.adopt();
            return {};
        }
    } catch (const DbForeignServer& e) {
        return ForeignServerMessage(server, e.dataFolder());
    }
    return server.install();
}

}  // namespace

void WaitWithEventLoop(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool ProgramStart(const QString& home, const QString& shippedBrain, PrivateServer& server,
                  Notifications& notifications) {
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
        if (server.config().managed) {
            ClaimPasswordAndPort(home, server, notifications);
            const QString failure = server.install();
            if (!failure.isEmpty()) {
                notifications.error(failure);
                return false;
            }
        } else {
            WriteServerFiles(home, shippedBrain, server.config().port);
        }
        WriteSetupState(SetupPath(home), true);
    } catch (const std::runtime_error& e) {
        notifications.error(QString::fromUtf8(e.what()));
        return false;
    }
    return true;
}

Reach ReachBrain(Query& db, PrivateServer& server, const WaitFunction& wait) {
    if (server.config().managed) {
        const QString failure = BringUpOwnServer(server);
        if (!failure.isEmpty()) return {.reached = false, .failure = failure};
    }
    for (int attempt = 1; attempt <= 4; ++attempt) {
        try {
            db.open(kTestStatement);
            return {.reached = true, .failure = {}};
        } catch (const DbForeignServer& e) {
            db.disconnect();
            return {.reached = false, .failure = ForeignServerMessage(server, e.dataFolder())};
        } catch (const DbError&) {
            db.disconnect();
        }
        if (attempt < 4) wait(2000);
    }
    return {};
}

StartupResult StartupChecks(Engine& engine, PrivateServer& server, const WaitFunction& wait) {
    EngineState& s = engine.state;
    Notifications& notify = *engine.out.notifications;
    s.databaseReady = false;
    const Reach reach = ReachBrain(engine.db, server, wait);
    if (!reach.reached) {
        notify.error(reach.failure.isEmpty() ? kNoConnectionMessage : reach.failure);
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
    : engine_(engine) {
    MySQL_checker.setInterval(intervalMs);
    retry.setInterval(retryMs);
    retry.setSingleShot(true);
    connect(&MySQL_checker, &QTimer::timeout, this, &ConnectivityChecker::MySQL_checkerTimer);
    connect(&retry, &QTimer::timeout, this, &ConnectivityChecker::attempt);
    connect(&engine_, &Engine::brainBack, &MySQL_checker, qOverload<>(&QTimer::start));
    MySQL_checker.start();
}

void ConnectivityChecker::MySQL_checkerTimer() {
    MySQL_checker.stop();
    failures_ = 0;
    attempt();
}

void ConnectivityChecker::attempt() {
    engine_.out.additional->logLine("A.I. > Checking MySQL connectivity at " +
                                    engine_.out.clock->now().toString("hh:mm:ss") + ".");
    try {
        engine_.db.open(kTestStatement);
        MySQL_checker.start();
        return;
    } catch (const DbConnectionLost& lost) {
        ReportBrainLost(engine_, lost);
        return;
    } catch (const DbError&) {
        engine_.db.disconnect();
    }
    if (++failures_ >= 3) {
        engine_.out.notifications->error(kLostConnectionMessage);
        emit connectionLost();
        return;
    }
    retry.start();
}
