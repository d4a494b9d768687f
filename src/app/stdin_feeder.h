#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>

class Engine;

// Feeds stdin lines to the engine as the owner's local phrases, one at a time: the next line is
// queued only once the cycle has taken the previous one, so piped input loses nothing. At the
// end of input it waits until every input and answer is done, then reports `finished`.
class StdinFeeder : public QObject {
    Q_OBJECT
  public:
    explicit StdinFeeder(Engine& engine);
    void start();

  signals:
    void finished();

  private:
    void readAvailable();
    void lineRead(const QByteArray& line);
    void endOfInput();
    void feed();
    void checkDone();

    Engine& engine_;
    QSocketNotifier* notifier_ = nullptr;
    QByteArray buffer_;
    QStringList pending_;
    bool awaitingTake_ = false;
    bool endOfInput_ = false;
    QTimer doneCheck_;
};
