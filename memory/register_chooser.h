// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;

// Shows the register window modally in calc.memory.MemoryFormMode. On return calc.memory.ChosenRegister holds
// the confirmed index (-1 when the user left) and calc.memory.ChosenDescription the typed description.
// In DELETE mode the window clears the ticked registers itself.
class RegisterChooser {
public:
    virtual ~RegisterChooser() = default;
    virtual void ShowRegisterWindow(Calculator& calc) = 0;
};
