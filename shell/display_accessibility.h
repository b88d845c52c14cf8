// SPDX-License-Identifier: MIT
#pragma once

#include "core/platform.h"
#include "display/display_panel.h"

class DisplayPanelWidget;

// Gives the display its accessible object: the name "Display", the shown value read in words as
// its text, the indicators as its description. Once, before the display is first asked for.
void InstallDisplayAccessibility();

// Tells assistive technology what one key changed on the display: one text update when the
// reading changed, one description change when the indicators did.
void AnnounceDisplay(DisplayPanelWidget& display, const DisplayPanel& before);

class QtScreenReaderWatch final : public ScreenReaderWatch {
public:
    bool Active() const override;
};
