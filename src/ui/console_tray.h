#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

struct OnlineControls;

// The console's tray icon with its menu, balloons and colour cues. Where the desktop has no tray
// the icon is never shown: `available()` says so, and the console keeps balloons in its log.
class ConsoleTray : public QObject {
    Q_OBJECT
  public:
    // Input: a message or a local phrase was taken in; the icon shows inverted.
    enum class Cue { Normal, Activity, Warning, Input };

    explicit ConsoleTray(QObject* parent = nullptr);

    bool available() const;
    void showIcon();
    void balloon(const QString& title, const QString& text, bool warning);
    // The icon takes the cue's colour and goes back to normal after 250 ms.
    void cue(Cue cue);
    void showControls(const OnlineControls& controls);
    // "Q.I.V.O™ status: online <server>" or "Q.I.V.O™ status: offline (local mode)".
    void setStatus(bool online, const QString& server);

    QAction start{"Start Artificial Intelect"};
    QAction pause{"Pause Artificial Intelect"};
    QAction stop{"Stop Artificial Intelect"};
    QAction showMain{"Show Main Console"};
    QAction showAdditional{"Show Additional Console"};
    QAction exit{"EXIT"};
    QTimer Iconic;

  signals:
    void clicked();

  private:
    QMenu menu_;
    QSystemTrayIcon icon_;
};

// The program's icon in the colour of a cue.
QIcon ConsoleIcon(ConsoleTray::Cue cue);
