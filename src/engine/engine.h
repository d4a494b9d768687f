#pragma once

#include "engine_state.h"
#include "open_logs.h"
#include "outside.h"
#include "program_home.h"
#include "stages.h"

#include <QObject>
#include <QTimer>

#include <optional>

class Query;

// What the engine reaches outside itself. Every pointer is set; sessions without a window or
// IRC plug in the quiet stand-ins of outside.h.
struct Outside {
    ConsoleView* console;
    AdditionalConsoleView* additional;
    Notifications* notifications;
    SoundCues* sounds;
    IrcSender* irc;
    Clock* clock;
    RandomSource* random;
};

// The engine: its state, the brain's query object, the outside world and the NLP timer.
class Engine : public QObject {
    Q_OBJECT
  public:
    Engine(Query& db, Outside outside, ProgramHome home);

    EngineState state;
    Stages stages;
    Query& db;
    Outside out;
    ProgramHome home;
    QTimer NLPtimer;
    OpenLogs logs;

    // The input the running cycle took, put back should the brain server go away under it.
    std::optional<TInput> inputInCycle;
    // The brain server went away and is being brought back: inputs wait (brain_outage.h).
    bool waitingForBrain = false;

    // One tick of the NLP timer: takes one input and runs it through the whole cycle.
    void NLPtimerTimer();
    // Nothing is queued, no cycle runs and no answer line waits.
    bool idle() const;
    bool cycleRunning() const { return cycleRunning_; }
    void showStatusLine();

  signals:
    // The cycle has taken an input out of InputStore.
    void inputTaken();
    // A cycle has ended, normally or by an error.
    void cycleEnded();
    // A statement found the brain server gone: the session brings it back.
    void brainLost();
    // The brain answers again.
    void brainBack();
    // Answers may reach IRC again: the server has taken us in and the default channel is joined
    // (or refused, or there is none).
    void ircReady();

  private:
    bool cycleRunning_ = false;
};
