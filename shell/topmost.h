// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// False where the platform gives a window no way to keep itself above others (Wayland: only the
// desktop's own window menu can).
bool PlatformKeepsWindowsOnTop();

// Puts the window in the topmost layer or takes it out, keeping its place and size and without
// activating it. Does nothing where the platform cannot.
void SetTopmost(QWidget* window, bool topmost);
