// SPDX-License-Identifier: MIT
#pragma once

// What the mode page and the Modes menu show: the engine makes it from its state after every
// key, beside the display panel, and a front end draws it without reading the state.
struct ModePanel {
    enum class Angle { None, Degree, Radian, Gradian };
    enum class Display { Normal, Fixed, Scientific };

    Angle angle = Angle::None;  // None only before start-up has set the angle unit
    Display display = Display::Normal;
    bool precisionEnabled = false;
    int precisionSelection = -1;  // the precision list's chosen row, -1 for none
    bool clockShowing = false;  // the date and time are on the display: nothing to copy

    bool operator==(const ModePanel&) const = default;
};
