#pragma once

#include "engine/program_home.h"

#include <QHash>
#include <QNetworkAccessManager>
#include <QObject>

// The check for a newer version at the Q.I.V.O™ Hub Server™: its information file Meta.dat is
// read and the versions compared. Nothing is ever downloaded or run: a newer version is reported
// with its download address, and the owner updates the program himself.

// The tags of an information file: a line holding META NAME="tag" and CONTENT="value".
QHash<QString, QString> ReadMetaTags(const QString& text);
// Whether `server` is newer than `local`: the parts between dots compared from the left as whole
// numbers (a part that is no number counts as 0), up to the last part of `local`.
bool UpdateAvailable(const QString& local, const QString& server);
// The program's version followed by "." and the update level of Main/Update.dat (its line 2);
// the program's version alone when the file has no level.
QString LocalVersion(const ProgramHome& home, const QString& programVersion);
// The information file of the Hub Server at `hub` (line 17 of the settings).
QString MetaAddress(const QString& hub);

struct UpdateOutcome {
    enum class Kind { Failed, Latest, Available } kind = Kind::Failed;
    QString local, server, download;
};

// The console lines of an outcome, and the message the owner is shown unless the check is quiet.
QStringList UpdateLines(const UpdateOutcome& outcome);
QString UpdateMessage(const UpdateOutcome& outcome);

class UpdateCheck : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Reads the information file at `address` (and the one it redirects to, and so on) and
    // compares its version with `local`; a check already running is left alone.
    void CheckForUpdates(const QString& address, const QString& local);
    bool running() const { return running_; }

  signals:
    void finished(const UpdateOutcome& outcome);

  private:
    void fetch(const QString& address, int redirections);
    void conclude(const QHash<QString, QString>& tags);
    void fail();

    QNetworkAccessManager network_;
    QString local_;
    bool running_ = false;
};
