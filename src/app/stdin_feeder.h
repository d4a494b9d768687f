#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>

class Engine;

// Feeds stdin lines to the engine as the owner's local phrases, one at a time, the way the owner
// types at the window: the next line is queued only once the engine has answered the previous one
// (its cycle done and its answer delivered). A piped script therefore loses nothing, and a "##"
// line extends the answer just given rather than one still being typed. At the end of input it
// waits until every input and answer is done, then reports `finished`.
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
    void watch();
    void feedWhenIdle();

    Engine& engine_;
    QSocketNotifier* notifier_ = nullptr;
    QByteArray buffer_;
    QStringList pending_;
    bool endOfInput_ = false;
    QTimer idleCheck_;
};
