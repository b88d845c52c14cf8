// SPDX-License-Identifier: MIT
#include "support/key_driver.h"

#include <stdexcept>

#include "core/dispatch.h"
#include "core/key_table.h"
#include "display/mode_controls.h"
#include "display/number_text.h"

void StartCalculator(Calculator& calc) {
    DispatchKey(calc, "AC");
    InitializeModeControls(calc);
}

void PressKeys(Calculator& calc, std::string_view keys) {
    while (!keys.empty()) {
        const auto space = keys.find(' ');
        const std::string key(keys.substr(0, space));
        keys = space == std::string_view::npos ? std::string_view() : keys.substr(space + 1);
        if (key.empty()) continue;
        const auto colon = key.find(':');
        const std::string name = key.substr(0, colon);
        const int precision = colon == std::string::npos ? -1 : static_cast<int>(ReadNumber(key.substr(colon + 1)));
        if (name == "DegButton") DegButton_Click(calc);
        else if (name == "RadButton") RadButton_Click(calc);
        else if (name == "GradButton") GradButton_Click(calc);
        else if (name == "StdButton") StdButton_Click(calc);
        else if (name == "FxnButton" || name == "ScnButton") {
            if (name == "FxnButton") FxnButton_Click(calc);
            else ScnButton_Click(calc);
            if (precision >= 0) PrecBox_Click(calc, precision);
        } else {
            const FaceKey* face = FindFaceKey(name == "Random" ? "com_Random" : "key_" + name);
            if (!face) throw std::invalid_argument("no key " + key);
            ClickKey(calc, *face);
        }
    }
}

std::string DisplayAfter(std::string_view keys) {
    Calculator calc;
    StartCalculator(calc);
    PressKeys(calc, keys);
    return calc.panel.DisplayBox + "|" + calc.panel.ExpoBox;
}
