// SPDX-License-Identifier: MIT
#include "constants/constant_window_model.h"

#include "constants/grouped_format.h"
#include "core/calculator.h"
#include "core/translation.h"
#include "display/number_text.h"

namespace {
const std::string kListPattern = "##,##0.00" + std::string(20, '#');
}

std::vector<ConstantListItem> FillConstantList(const ConstantTable& table) {
    std::vector<ConstantListItem> items;
    items.reserve(table.size());
    for (const auto& row : table)
        items.push_back({"  " + PlainText(row.No), row.Symbol, Translated("Constants", row.Description.c_str()),
                         FormatGrouped(row.Value, kListPattern), row.Unit});
    return items;
}

ConstantWindowModel::ConstantWindowModel(Calculator& calc)
    : Table(BuildConstantTable()), Items(FillConstantList(Table)), calc_(calc) {}

void ConstantWindowModel::ItemClick(int position) {
    if (position < 1 || position > static_cast<int>(Items.size())) return;
    ApplyEnabled = true;
    const std::string& text = Items[position - 1].No;
    ConsLab = Translated("Constants", QT_TRANSLATE_NOOP("Constants", "Constant No. %1"), {text});
    const int k = static_cast<int>(ReadNumber(text)) - 1;
    if (k < 0 || k >= kConstantCount) return;
    ValueBox = PlainText(Table[k].Value) + "  ";
}

void ConstantWindowModel::PressApply() {
    if (ApplyEnabled) calc_.memory.ChosenConstant = ValueBox;
}

void ConstantWindowModel::PressExit() { calc_.memory.ChosenConstant.clear(); }

void ConstantWindowModel::PressCloseBox() { PressExit(); }
