// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

// What a keyboard key stands for: a face key (its control name) or a page of the tab control.
struct KeyboardAction {
    std::string_view faceKey;  // "" for a page switch
    int page = -1;  // 0 to 3 for F1 to F4
};

// Maps a Windows virtual-key code and shift state (1 Shift, 2 Ctrl, 4 Alt) to a face key.
// The rows are tried in order and the first row whose code matches decides; a matching row
// whose shift condition fails ends the handling with no key.
std::optional<KeyboardAction> MapKeyboardKey(int virtualKeyCode, int shiftState);
