#pragma once

#include "send_line.h"

#include <QObject>
#include <QTimer>

#include <optional>

class Engine;

// The multi-message answering: moves prepared answers from MMASStore into the per-user rows of
// table mmas and sends their lines one per tick of MultiLineAnswering, each after the time a
// person would take to type it. The typing is a timer of its own, so windows, IRC and the other
// timers go on meanwhile; no further line leaves before the one being typed is out.
class Delivery : public QObject {
    Q_OBJECT
  public:
    explicit Delivery(Engine& engine);

    // Moves the first waiting answer into its user's mmas row and starts sending, unless that
    // user is still being answered; then MMASStarter tries again a second later.
    void StartDelivery();
    // The MultiLineAnswering tick: sends the next line of one unfinished row.
    void DeliverNextLine();
    // The MMASStarter tick.
    void MMASStarterTimer();
    // The "[STOPMAS]" stage: drops the rest of the user's answer and says so.
    void StopDelivery();
    // Answers are waiting, being typed or being sent.
    bool pending() const;

    QTimer MultiLineAnswering;
    QTimer MMASStarter;
    QTimer typing;

  private:
    void takeNextLine();
    void lineTyped();
    void resume();
    void resumeForIrc();
    // An answer of that kind cannot go out now: it is for IRC and IRC is away.
    bool waitsForIrc(TargetKind kind) const;
    // Runs a timer's work; a failed statement ends it with a console line.
    template <typename Work>
    void guarded(Work work);

    Engine& engine_;
    struct LineOnItsWay {
        OutgoingLine out;
        PreparedLine prepared;
        QString original;
    };
    std::optional<LineOnItsWay> onItsWay_;
    bool interrupted_ = false;  // a tick met the lost brain server
};
