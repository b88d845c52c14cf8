// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "constants/constant_picker.h"

// Drives the real picker model: clicks table row `row` (1 to 128) and presses "&Apply". Each
// row serves one opening; an opening without one leaves with "E&xit".
class ScriptedConstantPicker final : public ConstantPicker {
public:
    void SetNext(int row) { next_ = row; }
    void ShowConstantWindow(Calculator& calc) override;

private:
    std::optional<int> next_;
};
