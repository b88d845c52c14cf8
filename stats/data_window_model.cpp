// SPDX-License-Identifier: MIT
#include "stats/data_window_model.h"

#include "core/calculator.h"
#include "core/platform.h"
#include "display/number_text.h"

std::vector<DataListItem> FillDataList(const DataSetCell& data) {
    std::vector<DataListItem> items;
    if (!data.HasElements()) return items;
    items.reserve(data.Values().size());
    for (std::size_t k = 0; k < data.Values().size(); ++k)
        items.push_back({"Data-" + FormatPattern(static_cast<double>(k + 1), "00"),
                         "   " + PlainText(data.Values()[k]), false});
    return items;
}

DataWindowModel::DataWindowModel(Calculator& calc) : Items(FillDataList(calc.StatData)), calc_(calc) {}

void DataWindowModel::ItemCheck(int position, bool checked) {
    if (position < 1 || position > static_cast<int>(Items.size())) return;
    Items[position - 1].Checked = checked;
    DeleteEnabled = CountChecked() > 0;
}

void DataWindowModel::SelectAll() {
    for (auto& item : Items) item.Checked = true;
    DeleteEnabled = CountChecked() > 0;
}

void DataWindowModel::ClearChecks() {
    for (auto& item : Items) item.Checked = false;
    DeleteEnabled = false;
}

int DataWindowModel::CountChecked() const {
    int count = 0;
    for (const auto& item : Items) count += item.Checked ? 1 : 0;
    return count;
}

void DataWindowModel::PressDelete() {
    if (!DeleteEnabled) return;
    MessageService* messages = calc_.platform.messages;
    if (messages && !messages->AskYesNo("Warning", "Are you sure you want to delete Selected Data?",
                                         MessageIcon::Critical))
        return;
    if (CountChecked() == static_cast<int>(Items.size())) {
        DeleteEnabled = false;
        calc_.StatData = DataSetCell::EmptyText();
        Items.clear();
        return;
    }
    std::vector<double> kept;
    for (std::size_t k = 0; k < Items.size(); ++k)
        if (!Items[k].Checked) kept.push_back(calc_.StatData.Values()[k]);
    calc_.StatData = DataSetCell::FromValues(kept);
    Items = FillDataList(calc_.StatData);
}
