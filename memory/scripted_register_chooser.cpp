// SPDX-License-Identifier: MIT
#include "memory/scripted_register_chooser.h"

#include <utility>

#include "core/calculator.h"
#include "memory/register_window_model.h"

void ScriptedRegisterChooser::ShowRegisterWindow(Calculator& calc) {
    RegisterWindowModel window(calc);
    const std::optional<RegisterScript> script = std::exchange(next_, std::nullopt);
    if (!script) {
        window.PressExit();
        return;
    }
    if (window.CheckBoxes) {
        for (int position : script->Ticked) window.ItemCheck(position, true);
        window.PressOK();
        window.PressExit();
        return;
    }
    window.ItemClick(script->Number);
    if (script->Description) window.DescBox = *script->Description;
    if (!window.PressOK()) window.PressExit();
}
