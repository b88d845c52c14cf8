// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "memory/register_chooser.h"

// What a user does in the register window, given in advance: click register `Number` (1 to
// 100, as shown), type `Description` when given, confirm; in DELETE mode tick `Ticked` and
// confirm. Questions go through the calculator's message service.
struct RegisterScript {
    int Number = 0;
    std::optional<std::string> Description;
    std::vector<int> Ticked;
};

// Drives the real window model with a script instead of a window; each script serves one
// opening, and an opening without one leaves like "E&xit".
class ScriptedRegisterChooser final : public RegisterChooser {
public:
    void SetNext(RegisterScript script) { next_ = std::move(script); }
    void ShowRegisterWindow(Calculator& calc) override;

private:
    std::optional<RegisterScript> next_;
};
