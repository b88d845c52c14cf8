// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/register_bank.h"

struct Calculator;

// One row of the register list: "Reg-001" and its value column.
struct RegisterListItem {
    std::string Address;
    std::string Value;
    bool Checked = false;
};

// The list's value column for a stored value: three blanks and the value with at least one
// decimal, or in exponent form when its whole part has 16 characters or more.
std::string RegisterValueText(double value);
// The value column while a click previews a would-be result; never in exponent form.
std::string PreviewValueText(double value);
std::vector<RegisterListItem> FillRegisterList(const RegisterBank& registers);

// The decisions of the register window, in the mode calc.memory.MemoryFormMode had when it opened.
// It hands its result back through calc.memory.ChosenRegister and calc.memory.ChosenDescription, asks its
// questions through calc.platform.messages (none there: the choice stands as made) and, in
// DELETE mode, clears the ticked registers of calc.memory.MemoryRegisters.
class RegisterWindowModel {
public:
    explicit RegisterWindowModel(Calculator& calc);

    int Mode() const { return mode_; }
    std::string Caption;
    std::string Prompt;  // Lab1
    std::string OKCaption;
    std::string FrameCaption;  // DecFrame
    bool DescriptionEditable = false;
    bool CheckBoxes = false;  // DELETE mode: several items, a check box on each
    bool OKEnabled = false;
    std::string DescBox;
    std::vector<RegisterListItem> Items;
    int SelectedItem = 0;  // 1-based, 0 = none
    int PreviousItem = 0;

    void ItemClick(int position);
    void ItemCheck(int position, bool checked);
    void ClearChecks();  // CLRButton
    void SelectAll();  // SelectAllButton
    // True when the window closes.
    bool PressOK();
    void PressExit();
    void PressCloseBox();
    int CountChecked() const;

private:
    void PreviewRegister(int index, double newValue);
    bool Ask(const std::string& question) const;

    Calculator& calc_;
    int mode_;
};
