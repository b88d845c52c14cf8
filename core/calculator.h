// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/data_set.h"
#include "core/error_state.h"
#include "core/formula.h"
#include "core/platform.h"
#include "core/register_bank.h"
#include "core/value_cell.h"
#include "display/display_panel.h"

// The whole working state of the calculator, grouped by subsystem; each group starts cleared,
// and "AC" clears the entry, the formula and the conversion whole. The procedures of each
// subsystem are free functions that take the Calculator and change its state directly; a test
// makes a fresh Calculator and drives it through DispatchKey / ClickKey.

// The key being processed and the number being keyed.
struct EntryState {
    std::string KeyToken;
    std::string EntryText;
    std::string MantissaText;
    bool ExponentEntry = false;
    std::string ExponentDigits;
    bool ExponentNegative = false;
    bool SignKeyed = false;
    bool ValueInjected = false;
    double InjectedValue = 0.0;
    std::string ParkedResult;
    bool ErrorLocked = false;
    // Fraction and sexagesimal entry in progress.
    bool FractionEntry = false;
    std::string FractionText;
    ValueCell SexagesimalStage;
};

// The pending formula, the constant calculation and the value the display mirrors.
struct FormulaState {
    ValueCell Accumulator;
    // Operands keyed so far, each with the operator that follows it, reduced by priority
    // (core/formula.h); empty when no formula is pending.
    FormulaStack OperandStack;
    // The formula as it stood before the last operator, and that operator's left operand, so that
    // an operator keyed right after another can replace it.
    FormulaStack FormulaBeforeOperator;
    double LastOperand = 0.0;
    std::string LastOperator;
    std::vector<std::string> OperatorRepeats;  // empty = ""
    std::string ConstantOperator;
    ValueCell ConstantOperand;
    ErrorCause ErrorReason = ErrorCause::None;
    ValueCell DisplayValue;
    ValueCell DisplaySource;
    // The tape's words for the formula keyed so far ("2 + 3 x") and for the constant that "="
    // applies ("+ 2"); they go with the formula, so that a restored formula prints its own.
    std::string TapeFormula;
    std::string TapeConstant;
};

// Polar/rectangular conversion and the display exchange.
struct ConversionState {
    ValueCell SwapRegister;
    bool RectPending = false;
    bool PolarPending = false;
    bool ConversionKeyed = false;
    ValueCell ConversionR;
    ValueCell ConversionX;
};

// What the fraction and sexagesimal converters showed last; "AC" keeps it.
struct FunctionViews {
    bool FractionShown = false;
    double SexagesimalAccumulator = 0.0;
    int FractionViewToggle = 0;  // 1 = reduced view shown last, 2 = improper view
    ValueCell ImproperFractionText;
};

// Angle and display modes, the mode page's controls as a model, the clock and read-out.
struct ModeState {
    bool DegreeMode = false;
    bool RadianMode = false;
    bool GradianMode = false;
    ValueCell FixDecimals;
    ValueCell SciDecimals;
    ValueCell LastFixDecimals;
    ValueCell LastSciDecimals;

    // Which display option is selected, the precision list's selection (-1 = none) and whether
    // the list and its label are enabled.
    enum class DisplayOption { Normal, Fixed, Scientific };
    DisplayOption SelectedDisplayOption = DisplayOption::Normal;
    int PrecBoxSelection = -1;
    bool PrecBoxEnabled = false;

    bool RandomFormat = false;
    bool ClockShowing = false;
    // The window's read-out preference, mirrored here for the key words.
    bool ReadOutLoudOn = false;
};

// The simple memory, the register bank and the windows' hand-overs.
struct MemoryState {
    double MemoryValue = 0.0;
    ValueCell MemorySwapTemp;
    RegisterBank MemoryRegisters{};
    int MemoryFormMode = kModeIn;
    int ChosenRegister = -1;
    std::string ChosenDescription;
    std::string ChosenConstant;  // "" = no constant applied
};

struct StatisticsState {
    DataSetCell StatData;
};

struct Calculator {
    explicit Calculator(Platform services = {});

    using DisplayOption = ModeState::DisplayOption;

    Platform platform;
    DisplayPanel panel;
    EntryState entry;
    FormulaState formula;
    ConversionState conversion;
    FunctionViews views;
    ModeState modes;
    MemoryState memory;
    StatisticsState statistics;
};
