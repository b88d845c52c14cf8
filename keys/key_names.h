// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "display/display_panel.h"

struct FaceKey;

// The name a screen reader gives a face key: the read-out's word for it, or, for the keys the
// read-out names by no word or by a symbol, a spoken name of the same kind.
std::string KeyName(const FaceKey& key);

// What the display shows, read as a person would say it: "2.5 times 10 to the power negative 5";
// a text that is no number (an error, the clock) as it stands, an error without its asterisks.
std::string ShownReading(const DisplayPanel& panel);
// The display's indicators in words: "MEM, K, DEGREE, NORM, pending divided by"; an operator
// that no longer waits for its operand is the "last operator".
std::string IndicatorReading(const DisplayPanel& panel);
// The memory, constant and mode indicators that one step changed, in words: "MEM off, RADIAN";
// "" when none did. The operator indicator is left out: its key is named when pressed.
std::string IndicatorChanges(const DisplayPanel& before, const DisplayPanel& now);
