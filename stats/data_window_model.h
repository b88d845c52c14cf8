// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "stats/data_set.h"

struct Calculator;

// One row of the data list: "Data-01" and three blanks with the value's plain text.
struct DataListItem {
    std::string Label;
    std::string Value;
    bool Checked = false;
};

std::vector<DataListItem> FillDataList(const DataSetCell& data);

// The decisions of the data window: check marks, when "&Delete" is enabled, and the delete
// itself, which changes calc.StatData. Its question goes through calc.platform.messages (none
// there: the choice stands as made).
class DataWindowModel {
public:
    explicit DataWindowModel(Calculator& calc);

    std::vector<DataListItem> Items;
    bool DeleteEnabled = false;

    void ItemCheck(int position, bool checked);
    void SelectAll();     // AllButton
    void ClearChecks();   // ClearButton
    void PressDelete();
    int CountChecked() const;

private:
    Calculator& calc_;
};
