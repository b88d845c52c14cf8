// SPDX-License-Identifier: MIT
#include "support/key_driver.h"

#include <stdexcept>

#include "display/number_text.h"
#include "keys/dispatch.h"
#include "keys/key_table.h"
#include "keys/mode_controls.h"

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
        std::optional<int> precision;
        if (colon != std::string::npos) precision = static_cast<int>(ReadNumber(key.substr(colon + 1)));
        if (!ClickModeControl(calc, name, precision)) {
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
