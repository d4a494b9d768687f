#pragma once

#include "dbadmin/maintenance_jobs.h"
#include "dbadmin/startup_checks.h"

#include <QWidget>

class ConsoleView;
class QLabel;

// The please-wait window: "PLEASE WAIT.." and the status of the job that has the brain. It is
// the view of that job: each status shows at once, each finding goes to the console's log, and
// the pauses are waits of the event loop, so that the window keeps painting.
class PleaseWaitWindow : public QWidget, public JobView {
    Q_OBJECT
  public:
    explicit PleaseWaitWindow(ConsoleView* console = nullptr, QWidget* parent = nullptr);

    void status(const QString& text) override;
    void report(const QString& line) override;
    void pause(int milliseconds) override { wait(milliseconds); }

    // Shows the window with the status set last; the status stays in view 2 s before the work
    // starts.
    void open();
    // The window goes after 1 s.
    void finish();
    QString statusText() const;

    // Tests pass one that returns at once.
    WaitFunction wait = WaitWithEventLoop;

  private:
    ConsoleView* console_;
    QLabel* status_;
};
