// SPDX-License-Identifier: MIT
// P>R and R>P: the first input, the key, the second input, then "=" or an operator completes the
// conversion; the first result is the operand, the second waits behind x-y.
#include <cmath>

#include "core/calculator.h"
#include "core/number_entry.h"
#include "display/display_routines.h"
#include "display/number_text.h"
#include "functions/angle_units.h"
#include "functions/function_keys.h"

namespace {

// Without it a zero result could be written "-0".
double WithoutNegativeZero(double v) { return v == 0.0 ? 0.0 : v; }

// The angle of (x, y) in degrees in its own quadrant. The axes are exact: the calculator's pi
// would otherwise make 90 degrees 90.0000000000001.
double PolarAngleDegrees(double x, double y) {
    if (y == 0.0) return x < 0.0 ? 180.0 : 0.0;
    if (x == 0.0) return y > 0.0 ? 90.0 : -90.0;
    return static_cast<double>(std::atan2(static_cast<long double>(y), static_cast<long double>(x)) *
                               (180.0L / kCalculatorPi));
}

struct Conversion {
    bool ConversionState::*pending;
    ValueCell ConversionState::*firstInput;
    void (*complete)(Calculator&);
};

void ConversionKey(Calculator& calc, const Conversion& kind) {
    if (calc.entry.ErrorLocked) return;
    CompleteFractionEntry(calc);
    if (calc.entry.ErrorLocked) return;
    // A repeated press is ignored: nothing has been keyed or computed since the last one (the
    // key took the entry and the parked result).
    const bool keyedSince = !calc.entry.EntryText.empty() || !calc.entry.ParkedResult.empty();
    if (calc.conversion.ConversionKeyed && !keyedSince) return;
    if (calc.conversion.*kind.pending) {
        // Pressed again after the second input: complete, show the first result, and take it
        // as the first input of the next conversion.
        kind.complete(calc);
        DisplayValueOrText(calc, ValueCell(), ValueCell(calc.entry.EntryText));
    } else {
        calc.conversion.*kind.firstInput = calc.entry.EntryText.empty() ? ValueCell(calc.formula.DisplayValue.Number())
                                                                        : ValueCell(ReadNumber(calc.entry.EntryText));
    }
    // The entry has been taken: the next input starts afresh, its exponent at +00.
    EndOpenEntry(calc);
    calc.conversion.*kind.pending = true;
    calc.entry.EntryText.clear();
    calc.entry.ParkedResult.clear();
    calc.conversion.ConversionKeyed = true;
}

}  // namespace

void PolarToRectKey(Calculator& calc) {
    ConversionKey(calc, {&ConversionState::RectPending, &ConversionState::ConversionR, CompleteRect});
}

void RectToPolarKey(Calculator& calc) {
    ConversionKey(calc, {&ConversionState::PolarPending, &ConversionState::ConversionX, CompletePolar});
}

void CompleteRect(Calculator& calc) {
    if (!calc.conversion.RectPending) return;
    const long double phi = AngleUnitToRadians(calc, calc.formula.DisplayValue.Number());
    const long double r = calc.conversion.ConversionR.Number();
    // The second result only for a conversion that opens a calculation.
    calc.conversion.SwapRegister =
        calc.formula.Accumulator.IsEmpty() ? WithoutNegativeZero(static_cast<double>(r * std::sin(phi))) : 0.0;
    calc.conversion.ConversionR = WithoutNegativeZero(static_cast<double>(r * std::cos(phi)));
    calc.entry.EntryText = PlainText(calc.conversion.ConversionR.Number());
}

void CompletePolar(Calculator& calc) {
    if (!calc.conversion.PolarPending) return;
    const double x = calc.conversion.ConversionX.Number();
    const double y = calc.formula.DisplayValue.Number();
    calc.conversion.SwapRegister = calc.formula.Accumulator.IsEmpty()
                                       ? WithoutNegativeZero(DegreesToAngleUnit(calc, PolarAngleDegrees(x, y)))
                                       : 0.0;
    calc.conversion.ConversionX = std::hypot(x, y);
    calc.entry.EntryText = PlainText(calc.conversion.ConversionX.Number());
}
