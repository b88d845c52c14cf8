// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Puts the window in the topmost layer or takes it out, keeping its place and size and without
// activating it.
void SetTopmost(QWidget* window, bool topmost);
