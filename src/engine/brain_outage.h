#pragma once

#include <functional>

class DbConnectionLost;
class Engine;

// While the brain server is away no input is lost: the statement that finds it gone ends the
// handler it runs in, the input that met it goes back to the front of the queue, and every input
// waits, the NLP timer idle, until the session has brought the server back.

// The cycle met the lost connection: its input goes back in front of the queue.
void HoldInputForBrain(Engine& engine, const DbConnectionLost& lost);
// Any handler met it: says so and asks the session, once, to bring the server back.
void ReportBrainLost(Engine& engine, const DbConnectionLost& lost);
// The brain answers again: the waiting inputs move on.
void ResumeAfterBrain(Engine& engine);

// Runs the work of a timer tick. A failed statement ends the tick with a console line, never the
// program; a lost brain server is reported as above and makes it return false.
bool RunTimerWork(Engine& engine, const std::function<void()>& work);
