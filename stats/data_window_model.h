// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/data_set.h"

struct Calculator;

// The decisions of the data window: check marks, when "&Delete" is enabled, and the delete
// itself, which changes calc.statistics.StatData. Its question goes through calc.platform.messages (none
// there: the choice stands as made). Rows are counted from 1; a row's texts are made only when
// asked for, so a set of thirty thousand values opens as fast as one of ten.
class DataWindowModel {
public:
    explicit DataWindowModel(Calculator& calc);

    bool DeleteEnabled = false;

    int RowCount() const { return static_cast<int>(checks_.size()); }
    // "Data-01", "Data-100", ...
    static std::string Label(int position);
    // Three blanks and the value's plain text.
    std::string ValueText(int position) const;
    bool Checked(int position) const { return checks_[position - 1]; }

    void ItemCheck(int position, bool checked);
    void SelectAll();  // AllButton
    void ClearChecks();  // ClearButton
    void PressDelete();
    int CountChecked() const { return checkedCount_; }

private:
    void SetAll(bool checked);

    Calculator& calc_;
    std::vector<bool> checks_;
    int checkedCount_ = 0;
};
