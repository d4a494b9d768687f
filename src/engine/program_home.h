#pragma once

#include <QString>

#include <stdexcept>

// The folder that holds everything of one installation: Main/, MySQL/, Logs/, sounds/ ...
class ProgramHome {
  public:
    explicit ProgramHome(QString root = {}) : root_(std::move(root)) {}
    const QString& root() const { return root_; }
    // A path below the home, such as "Main/Options.ini".
    QString path(const QString& relative) const { return root_ + '/' + relative; }

  private:
    QString root_;
};

// --home DIR, else $TALVANE_HOME, else $XDG_DATA_HOME/quenmark-talvane.
QString ResolveHomeFolder(const QString& homeOption);
// The shipped data: the installed share folder, or the source tree's data/ for a build.
QString ShippedDataFolder();

class HomeSeedError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Copies every shipped file that the home does not have yet (nothing is overwritten) and makes
// the log folders. Throws HomeSeedError when the home cannot be written.
void SeedProgramHome(const QString& home, const QString& shipped);
