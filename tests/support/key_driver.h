// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "core/calculator.h"

// Starts a calculator as the program does (all-clear, degrees, Normal mode).
void StartCalculator(Calculator& calc);

// Presses the keys of a space-separated list, named as numora-keys names them: "2 plus 3
// equal", face keys without "key_", "Random", and the mode buttons "DegButton", "FxnButton:2".
void PressKeys(Calculator& calc, std::string_view keys);

// A started calculator after the keys; its display as "DisplayBox|ExpoBox".
std::string DisplayAfter(std::string_view keys);
