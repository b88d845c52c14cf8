// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "display/display_panel.h"

class DisplayPanelWidget;

// Gives the display its accessible object: the read-only text "Display" that holds the shown
// value read in words, followed by what the last step changed besides it; the indicators are
// its description. Once, before the display is first asked for.
void InstallDisplayAccessibility();

// Tells assistive technology what one step changed on the display. A value the calculator
// computed, and the changed indicators, come as selected new text, which screen readers present
// for the focused text; a number being keyed is not selected, its keys are echoed already.
void AnnounceDisplay(DisplayPanelWidget& display, const DisplayPanel& before, bool numberKeyed);
// Adds a text to the display's accessible text as the step's news, such as the page shown.
void AnnounceThroughDisplay(DisplayPanelWidget& display, const QString& news);
