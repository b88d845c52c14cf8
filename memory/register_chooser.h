// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;

// Shows the register window modally in calc.MemoryFormMode. On return calc.ChosenRegister holds
// the confirmed index (-1 when the user left) and calc.ChosenDescription the typed description.
// In DELETE mode the window clears the ticked registers itself.
class RegisterChooser {
public:
    virtual ~RegisterChooser() = default;
    virtual void ShowRegisterWindow(Calculator& calc) = 0;
};
