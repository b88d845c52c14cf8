// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "constants/constant_table.h"

struct Calculator;

// One row of the constants list, column by column.
struct ConstantListItem {
    std::string No;  // two blanks and the row number
    std::string Symbol;
    std::string Description;
    std::string Value;
    std::string Unit;
};

std::vector<ConstantListItem> FillConstantList(const ConstantTable& table);

// The decisions of the constants picker. It hands the value box text back through
// calc.memory.ChosenConstant on "&Apply", and "" on every other way out.
class ConstantWindowModel {
public:
    explicit ConstantWindowModel(Calculator& calc);

    ConstantTable Table;
    std::vector<ConstantListItem> Items;
    bool ApplyEnabled = false;
    std::string ConsLab = "Constant No. ***";
    std::string ValueBox;

    void ItemClick(int position);  // 1-based
    void PressApply();
    void PressExit();
    void PressCloseBox();

private:
    Calculator& calc_;
};
