// SPDX-License-Identifier: MIT
#include "stats/scripted_data_picker.h"

#include <utility>

#include "stats/data_window_model.h"

void ScriptedDataPicker::ShowDataWindow(Calculator& calc) {
    DataWindowModel window(calc);
    const std::optional<std::vector<int>> ticked = std::exchange(next_, std::nullopt);
    if (!ticked) return;
    for (int position : *ticked) window.ItemCheck(position, true);
    window.PressDelete();
}
