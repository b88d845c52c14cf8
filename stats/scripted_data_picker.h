// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "stats/data_picker.h"

// Drives the real data window model with the list positions to tick (1-based, as shown) and
// presses "&Delete"; each list serves one opening, and an opening without one just leaves.
class ScriptedDataPicker final : public DataPicker {
public:
    void SetNext(std::vector<int> ticked) { next_ = std::move(ticked); }
    void ShowDataWindow(Calculator& calc) override;

private:
    std::optional<std::vector<int>> next_;
};
