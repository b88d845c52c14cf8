// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;

// Runs `done` once the shown window is active (true), or after `timeoutMs` without that (false):
// asking for activation is not getting it, and the desktop answers later or never.
void AwaitActivation(QWidget& window, int timeoutMs, std::function<void(bool active)> done);
