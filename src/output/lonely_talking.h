#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class Engine;

// Lonely Talking: a user who has been talking to the character and falls silent gets one
// "On Lonely Talking" message after a randomly drawn number of minutes. TimerStore holds the users
// being watched, at most one entry each.

// The cycle's bookkeeping for an input that addressed the character: counts the user's inputs
// and, once they reach "LTT.MS.", watches the user from now on.
void WatchUser(Engine& engine);
// Stops watching the user of `userKey`.
void UnwatchUser(Engine& engine, const QString& userKey);
// The "[STOPLONELY]" stage: the user is no longer watched, and is told so.
void StopLonely(Engine& engine);

// The timer that looks once a minute for users who have been silent too long.
class LonelyTalking : public QObject {
    Q_OBJECT
  public:
    explicit LonelyTalking(Engine& engine);

    // Switches the timer on while somebody is watched; a running timer keeps its rhythm, so a
    // busy conversation does not postpone the check for ever. A paused engine holds it.
    void StartLonelyTimer();
    // The LonelyTimer tick.
    void LonelyTimerTimer();

    QTimer LonelyTimer;

  private:
    void speakToTheSilent();
    // Speaks to the watched user of TimerStore entry `at`, then stops watching the user.
    void speakTo(qsizetype at);

    Engine& engine_;
};
