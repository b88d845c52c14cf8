// SPDX-License-Identifier: MIT
#include "constants/scripted_constant_picker.h"

#include <utility>

#include "constants/constant_window_model.h"

void ScriptedConstantPicker::ShowConstantWindow(Calculator& calc) {
    ConstantWindowModel window(calc);
    const std::optional<int> row = std::exchange(next_, std::nullopt);
    if (!row) {
        window.PressExit();
        return;
    }
    window.ItemClick(*row);
    if (window.ApplyEnabled) window.PressApply();
    else window.PressExit();
}
