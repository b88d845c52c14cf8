// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;

// Shows the constants picker modally; on return calc.memory.ChosenConstant holds the value box text
// when "&Apply" was pressed, and is empty otherwise.
class ConstantPicker {
public:
    virtual ~ConstantPicker() = default;
    virtual void ShowConstantWindow(Calculator& calc) = 0;
};
