#pragma once

#include <functional>

// Runs the event loop, so that timers fire and processes report, for `milliseconds`.
void ProcessEventsFor(int milliseconds);
// Runs the event loop until `done` holds or `milliseconds` have passed; returns `done`.
bool ProcessEventsUntil(const std::function<bool()>& done, int milliseconds = 60000);
