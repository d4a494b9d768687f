#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class PleaseWaitWindow;
class QSystemTrayIcon;

// The windows that step aside while a job has the brain.
struct BusyScene {
    QPointer<QWidget> mainConsole;
    QPointer<QWidget> additionalConsole;
    QSystemTrayIcon* tray = nullptr;
};

// Busy mode for as long as the guard lives: the consoles hidden, the tray icon deaf to clicks
// and its menu, the please-wait window up with the status. However the job ends, error or not,
// the tray icon and the main console come back.
class BusyMode {
  public:
    // Waits 1200 ms after hiding the consoles; opens the please-wait window unless `showWindow`
    // is false (a restore first lets the owner choose the backup).
    BusyMode(const BusyScene& scene, PleaseWaitWindow& window, const QString& status,
             bool showWindow = true);
    ~BusyMode();
    BusyMode(const BusyMode&) = delete;
    BusyMode& operator=(const BusyMode&) = delete;

  private:
    BusyScene scene_;
    PleaseWaitWindow& window_;
};
