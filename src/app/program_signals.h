#pragma once

#include <functional>

// Ctrl-C and SIGTERM end the program, and SIGUSR1 pauses or resumes the character, all through
// the event loop: the handlers run like any other event, so the quit message is sent, the
// settings are saved and the brain server this run started is stopped.
// A later call puts other handlers in place.
void HandleProgramSignals(std::function<void()> onQuit, std::function<void()> onPause);
