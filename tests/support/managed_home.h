#pragma once

#include "brain/db_config.h"
#include "dbadmin/private_server.h"
#include "support/fake_outside.h"

#include <QTemporaryDir>

#include <memory>

// A program home in a temporary folder, seeded from the shipped files, on a free port. Whatever
// server runs from it is stopped when the test ends, pass or fail.
class ManagedHome {
  public:
    // `folderName` lets a test choose the home's last path part, blanks and all.
    explicit ManagedHome(const QString& folderName = "home");
    ~ManagedHome();
    ManagedHome(const ManagedHome&) = delete;
    ManagedHome& operator=(const ManagedHome&) = delete;

    const QString& path() const { return path_; }
    // Main/Database.ini as it stands now.
    DbConfig config() const;
    // A private server for the home as Database.ini configures it.
    std::unique_ptr<PrivateServer> server() const;
    // The program's first start: installs and starts the server. False with the errors in
    // `notifications` when it failed.
    bool firstStart(PrivateServer& server, RecordingNotifications& notifications) const;

  private:
    QTemporaryDir parent_;
    QString path_;
};

// A port on 127.0.0.1 that nothing listens on at the moment.
int FreePort();
// Stops the server whose pid file is in the home and waits until it has gone.
void StopServerOf(const QString& home);
// The pid of the server whose pid file is in the home; 0 when there is none.
qint64 ServerPidOf(const QString& home);
