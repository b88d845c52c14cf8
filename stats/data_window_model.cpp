// SPDX-License-Identifier: MIT
#include "stats/data_window_model.h"

#include "core/calculator.h"
#include "core/platform.h"
#include "core/translation.h"
#include "display/number_text.h"

DataWindowModel::DataWindowModel(Calculator& calc) : calc_(calc), checks_(calc.statistics.StatData.Count(), false) {}

std::string DataWindowModel::Label(int position) {
    return "Data-" + FormatPattern(static_cast<double>(position), "00");
}

std::string DataWindowModel::ValueText(int position) const {
    return "   " + PlainText(calc_.statistics.StatData.Values()[position - 1]);
}

void DataWindowModel::ItemCheck(int position, bool checked) {
    if (position < 1 || position > RowCount()) return;
    if (checks_[position - 1] != checked) checkedCount_ += checked ? 1 : -1;
    checks_[position - 1] = checked;
    DeleteEnabled = checkedCount_ > 0;
}

void DataWindowModel::SetAll(bool checked) {
    checks_.assign(checks_.size(), checked);
    checkedCount_ = checked ? RowCount() : 0;
    DeleteEnabled = checkedCount_ > 0;
}

void DataWindowModel::SelectAll() { SetAll(true); }

void DataWindowModel::ClearChecks() { SetAll(false); }

void DataWindowModel::PressDelete() {
    if (!DeleteEnabled) return;
    MessageService* messages = calc_.platform.messages;
    if (messages &&
        !messages->AskYesNo(
            Translated("Memory", QT_TRANSLATE_NOOP("Memory", "Warning")),
            Translated("Memory", QT_TRANSLATE_NOOP("Memory", "Are you sure you want to delete Selected Data?")),
            MessageIcon::Critical))
        return;
    if (checkedCount_ == RowCount()) {
        DeleteEnabled = false;
        calc_.statistics.StatData = DataSetCell::EmptyText();
        checks_.clear();
        checkedCount_ = 0;
        return;
    }
    std::vector<double> kept;
    kept.reserve(checks_.size() - checkedCount_);
    for (std::size_t k = 0; k < checks_.size(); ++k)
        if (!checks_[k]) kept.push_back(calc_.statistics.StatData.Values()[k]);
    calc_.statistics.StatData = DataSetCell::FromValues(kept);
    checks_.assign(kept.size(), false);
    checkedCount_ = 0;
}
