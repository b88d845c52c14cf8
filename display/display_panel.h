// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// What the face shows: the engine writes it after every key, any front end renders it.
struct DisplayPanel {
    std::string DisplayBox = "0.";
    std::string ExpoBox;
    std::string Mem_Indicator;
    std::string CCalc_Indicator;
    std::string Mode_Indicator = "DEGREE";
    std::string DispMode_Indicator = "NORM";
    std::string OperatorIndicator;
    std::string DateBox;
    // The operator indicator stays after "=": this tells whether it still waits for an operand.
    bool OperatorPending = false;

    bool operator==(const DisplayPanel&) const = default;
};
