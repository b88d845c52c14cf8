// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;

// Shows the data window modally; its Delete button changes calc.statistics.StatData directly.
class DataPicker {
public:
    virtual ~DataPicker() = default;
    virtual void ShowDataWindow(Calculator& calc) = 0;
};
