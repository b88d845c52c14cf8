// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/data_set.h"
#include "core/formula.h"
#include "core/platform.h"
#include "core/register_bank.h"
#include "core/value_cell.h"
#include "display/display_panel.h"

// The whole working state of the calculator, one field per thing it remembers. The procedures
// of each subsystem are free functions that take the Calculator and change its state directly;
// a test makes a fresh Calculator and drives it through DispatchKey / ClickKey.
struct Calculator {
    explicit Calculator(Platform services = {});

    Platform platform;
    DisplayPanel panel;

    // Key and entry
    std::string KeyToken;
    std::string EntryText;
    std::string MantissaText;
    bool ExponentEntry = false;
    std::string ExponentDigits;
    bool ExponentNegative = false;
    bool SignKeyed = false;
    bool ValueInjected = false;
    double InjectedValue = 0.0;
    std::string InjectedFullText;
    std::string ParkedResult;
    bool ErrorLocked = false;

    // Evaluation
    ValueCell Accumulator;
    // The pending formula: operands keyed so far, each with the operator that follows it,
    // reduced by priority (core/formula.h); empty when no formula is pending.
    FormulaStack OperandStack;
    // The formula as it stood before the last operator, and that operator's left operand, so that
    // an operator keyed right after another can replace it.
    FormulaStack FormulaBeforeOperator;
    double LastOperand = 0.0;
    std::string LastOperator;
    std::vector<std::string> OperatorRepeats;  // empty = ""
    std::string ConstantOperator;
    ValueCell ConstantOperand;
    ValueCell ErrorReason;

    // Display mirror
    ValueCell DisplayValue;
    ValueCell DisplaySource;

    // Conversion and exchange
    ValueCell SwapRegister;
    bool RectPending = false;
    bool PolarPending = false;
    bool ConversionKeyed = false;
    ValueCell ConversionR;
    ValueCell ConversionX;

    // Fractions, sexagesimal entry, random format, clock
    bool FractionEntry = false;
    std::string FractionText;
    bool FractionShown = false;
    ValueCell SexagesimalStage;
    bool RandomFormat = false;
    bool ClockShowing = false;

    // Scientific functions: the running sexagesimal value and the fraction converter's views.
    double SexagesimalAccumulator = 0.0;
    int FractionViewToggle = 0;  // 1 = reduced view shown last, 2 = improper view
    ValueCell ImproperFractionText;

    // Angle and display modes
    bool DegreeMode = false;
    bool RadianMode = false;
    bool GradianMode = false;
    ValueCell FixDecimals;
    ValueCell SciDecimals;
    ValueCell LastFixDecimals;
    ValueCell LastSciDecimals;

    // The mode page's controls as a model: which display option is selected, the precision
    // list's selection (-1 = none) and whether the list and its label are enabled.
    enum class DisplayOption { Normal, Fixed, Scientific };
    DisplayOption SelectedDisplayOption = DisplayOption::Normal;
    int PrecBoxSelection = -1;
    bool PrecBoxEnabled = false;

    // Memory
    double MemoryValue = 0.0;
    ValueCell MemorySwapTemp;

    // Memory registers, data set: the register bank, the window hand-overs, the statistics set
    RegisterBank MemoryRegisters{};
    int MemoryFormMode = kModeIn;
    int ChosenRegister = -1;
    std::string ChosenDescription;
    DataSetCell StatData;
    std::string ChosenConstant;  // "" = no constant applied

    // Speech read-out switch (the window's preference, mirrored here for the key words).
    bool ReadOutLoudOn = false;
};
