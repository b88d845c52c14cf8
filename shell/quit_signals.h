// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QObject;

// Runs `quit` and then ends the event loop when SIGTERM (a logout, a shutdown), SIGHUP (the
// terminal went away) or SIGINT (Ctrl+C) arrives, for as long as `owner` lives. The handler only
// writes the signal's number into a pipe; `quit` runs from the event loop that reads it.
void OnQuitSignals(QObject* owner, std::function<void()> quit);
