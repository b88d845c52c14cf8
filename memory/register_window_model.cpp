// SPDX-License-Identifier: MIT
#include "memory/register_window_model.h"

#include <array>
#include <cmath>
#include <utility>

#include "core/calculator.h"
#include "core/platform.h"
#include "core/translation.h"
#include "display/number_text.h"

namespace {

constexpr const char* kMemoryTexts = "Memory";

const std::string kBlanks = "   ";
const std::string kHundredDecimals = "0.0" + std::string(100, '#');
const std::string kExponentDecimals = "0.0" + std::string(15, '#') + "E+00";

struct ModeTexts {
    const char* caption;
    const char* prompt;
    const char* ok;
    bool editable;
};

constexpr std::array<ModeTexts, 6> kModes = {{
    {QT_TRANSLATE_NOOP("Memory", "Memory IN"), QT_TRANSLATE_NOOP("Memory", "Choose memory address to SAVE to."),
     QT_TRANSLATE_NOOP("Memory", "Save"), true},
    {QT_TRANSLATE_NOOP("Memory", "Memory RECALL"),
     QT_TRANSLATE_NOOP("Memory", "Choose memory address to RECALL value."), QT_TRANSLATE_NOOP("Memory", "Recall"),
     false},
    {QT_TRANSLATE_NOOP("Memory", "Memory SWAP"), QT_TRANSLATE_NOOP("Memory", "Choose memory address to SWAP value."),
     QT_TRANSLATE_NOOP("Memory", "Swap"), true},
    {QT_TRANSLATE_NOOP("Memory", "Memory ADD"), QT_TRANSLATE_NOOP("Memory", "Choose memory address to ADD value to."),
     QT_TRANSLATE_NOOP("Memory", "Apply"), true},
    {QT_TRANSLATE_NOOP("Memory", "Memory MINUS"),
     QT_TRANSLATE_NOOP("Memory", "Choose memory address to SUBTRACT value from."), QT_TRANSLATE_NOOP("Memory", "Apply"),
     true},
    {QT_TRANSLATE_NOOP("Memory", "Memory DELETE"),
     QT_TRANSLATE_NOOP("Memory", "Choose memory address to DELETE value."), QT_TRANSLATE_NOOP("Memory", "Delete"),
     false},
}};

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string RegisterValueText(double value) {
    if (PlainText(std::trunc(value)).size() >= 16) return kBlanks + FormatPattern(value, kExponentDecimals);
    return PreviewValueText(value);
}

std::string PreviewValueText(double value) { return kBlanks + FormatPattern(value, kHundredDecimals); }

std::vector<RegisterListItem> FillRegisterList(const RegisterBank& registers) {
    std::vector<RegisterListItem> items;
    items.reserve(registers.size());
    for (int i = 0; i < kRegisterCount; ++i)
        items.push_back({RegisterLabel(i), RegisterValueText(registers[i].Value), false});
    return items;
}

RegisterWindowModel::RegisterWindowModel(Calculator& calc)
    : calc_(calc),
      mode_(calc.memory.MemoryFormMode >= kModeIn && calc.memory.MemoryFormMode <= kModeDelete
                ? calc.memory.MemoryFormMode
                : kModeIn) {
    const ModeTexts& texts = kModes[mode_];
    Caption = Translated(kMemoryTexts, texts.caption);
    Prompt = Translated(kMemoryTexts, texts.prompt);
    OKCaption = Translated(kMemoryTexts, texts.ok);
    DescriptionEditable = texts.editable;
    FrameCaption = Translated(kMemoryTexts, texts.editable ? QT_TRANSLATE_NOOP("Memory", "Specify Description")
                                                           : QT_TRANSLATE_NOOP("Memory", "Description"));
    CheckBoxes = mode_ == kModeDelete;
    Items = FillRegisterList(calc_.memory.MemoryRegisters);
}

void RegisterWindowModel::ItemClick(int position) {
    if (position < 1 || position > static_cast<int>(Items.size())) return;
    OKEnabled = true;
    PreviousItem = SelectedItem;
    SelectedItem = position;
    const int i = position - 1;
    const double shown = calc_.formula.DisplayValue.Number();
    const double stored = std::as_const(calc_.memory.MemoryRegisters)[i].Value;
    switch (mode_) {
    case kModeIn:
    case kModeSwap: PreviewRegister(i, shown); break;
    case kModeAdd: PreviewRegister(i, stored + shown); break;
    case kModeMinus: PreviewRegister(i, stored - shown); break;
    case kModeDelete: OKEnabled = CountChecked() > 0; break;
    default: break;
    }
    if (mode_ != kModeDelete) {
        const std::string description = TrimBlanks(std::as_const(calc_.memory.MemoryRegisters)[i].Description);
        DescBox = description.empty()
                      ? Translated(kMemoryTexts, QT_TRANSLATE_NOOP("Memory", "No specified description"))
                      : description;
    }
}

void RegisterWindowModel::PreviewRegister(int index, double newValue) {
    if (PreviousItem > 0 && PreviousItem != SelectedItem)
        Items[PreviousItem - 1].Value =
            PreviewValueText(std::as_const(calc_.memory.MemoryRegisters)[PreviousItem - 1].Value);
    Items[index].Value = PreviewValueText(newValue);
}

void RegisterWindowModel::ItemCheck(int position, bool checked) {
    if (!CheckBoxes || position < 1 || position > static_cast<int>(Items.size())) return;
    Items[position - 1].Checked = checked;
    OKEnabled = CountChecked() > 0;
}

void RegisterWindowModel::ClearChecks() {
    for (auto& item : Items) item.Checked = false;
    OKEnabled = false;
}

void RegisterWindowModel::SelectAll() {
    for (auto& item : Items) item.Checked = true;
    OKEnabled = true;
}

int RegisterWindowModel::CountChecked() const {
    int count = 0;
    for (const auto& item : Items) count += item.Checked ? 1 : 0;
    return count;
}

bool RegisterWindowModel::Ask(const std::string& question) const {
    MessageService* messages = calc_.platform.messages;
    return !messages || messages->AskYesNo(Translated(kMemoryTexts, QT_TRANSLATE_NOOP("Memory", "Warning")), question,
                                           MessageIcon::Critical);
}

bool RegisterWindowModel::PressOK() {
    if (!OKEnabled) return false;
    if (mode_ == kModeDelete) {
        if (!Ask(Translated(kMemoryTexts,
                            QT_TRANSLATE_NOOP("Memory", "Are you sure you want to delete Selected Data?"))))
            return false;
        OKEnabled = false;
        for (int i = 0; i < kRegisterCount; ++i)
            if (Items[i].Checked) calc_.memory.MemoryRegisters[i] = MemoryRegister{};
        Items = FillRegisterList(calc_.memory.MemoryRegisters);
        return false;
    }
    const int i = SelectedItem - 1;
    if (!IsRegisterIndex(i)) return false;
    calc_.memory.ChosenDescription.clear();
    if (mode_ == kModeRecall) {
        calc_.memory.ChosenRegister = i;
        return true;
    }
    if (std::as_const(calc_.memory.MemoryRegisters)[i].Value != 0.0 &&
        !Ask(Translated(kMemoryTexts, QT_TRANSLATE_NOOP("Memory", "Do you wish to OVERWRITE %1 ?"),
                        {RegisterLabel(i)}))) {
        calc_.memory.ChosenRegister = -1;
        return false;
    }
    calc_.memory.ChosenDescription = TrimBlanks(DescBox);
    calc_.memory.ChosenRegister = i;
    return true;
}

void RegisterWindowModel::PressExit() {
    calc_.memory.ChosenDescription.clear();
    calc_.memory.ChosenRegister = -1;
}

void RegisterWindowModel::PressCloseBox() { PressExit(); }
