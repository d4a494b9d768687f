#pragma once

// Ctrl-C and SIGTERM end the program at once, but through the event loop, so the settings are
// saved and the brain server this run started is stopped.
void QuitOnTerminationSignals();
