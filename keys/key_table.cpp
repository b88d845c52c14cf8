// SPDX-License-Identifier: MIT
#include "keys/key_table.h"

#include <algorithm>
#include <array>

#include "constants/constant_keys.h"
#include "core/clipboard_clock.h"
#include "functions/function_keys.h"
#include "memory/memory_keys.h"
#include "stats/stat_keys.h"

namespace {

using W = KeyWord;
constexpr int K = kKeypadPage;

// name, caption, tool tip, page, row, column, token, sets indicator, indicator, word kind, word,
// handler. Captions and tool tips are the face's own, blanks and spelling included.
constexpr std::array kFaceKeys = std::to_array<FaceKey>({
    // Page 0, "1st Function "
    {"key_Rcp", "\u00B9/x", "Reciprocal", 0, 1, 1, "rcp", false, "", W::Text, "reciprocal", nullptr},
    {"key_Kin", "Kin", "Memory In", 0, 1, 2, "", false, "", W::None, "", StoreRegister},
    {"key_Kout", "Kout", "Memory Recall", 0, 1, 3, "ko", false, "", W::None, "", nullptr},
    {"key_Root", "Root", "Root Extractor", 0, 1, 4, "root", false, "", W::Text, "root", nullptr},
    {"key_Xy", "x^y", "Raise to the Power", 0, 1, 5, "xy", true, "^", W::Text, "to the power", nullptr},
    {"key_Sqrt", "x\u00B9/\u00B2", "Square Root", 0, 2, 1, "sqrt", false, "", W::Text, "square root", nullptr},
    {"key_Sqr", "x\u00B2", "Square", 0, 2, 2, "sqr", false, "", W::Text, "squared", nullptr},
    {"key_iTan", "iTan", "Inverse Tangent", 0, 2, 3, "iTan", false, "", W::Text, "inverse tangent", nullptr},
    {"key_iSin", "iSin", "Inverse Sine", 0, 2, 4, "iSin", false, "", W::Text, "inverse sine", nullptr},
    {"key_iCos", "iCos", "Inverse Cosine", 0, 2, 5, "iCos", false, "", W::Text, "inverse cosine", nullptr},
    {"key_Sexa", "Sexa", "Angle Input", 0, 3, 1, "sexa", false, "", W::None, "", nullptr},
    {"key_Asex", "Asex", "Angular Display", 0, 3, 2, "asex", false, "", W::None, "", nullptr},
    {"key_Tan", "Tan", "Tangent", 0, 3, 3, "tan", false, "", W::Text, "tangent", nullptr},
    {"key_Sin", "Sin", "Sine", 0, 3, 4, "sin", false, "", W::Text, "sine", nullptr},
    {"key_Cos", "Cos", "Cosine", 0, 3, 5, "cos", false, "", W::Text, "cosine", nullptr},
    {"key_Frc", "ab/c", "Fraction Input", 0, 4, 1, "frc", false, "", W::None, "", nullptr},
    {"key_PM", "+/-", "Toogle Number Sign", 0, 4, 2, "pm", false, "", W::Sign, "negative", nullptr},
    {"key_Ers", "Back", "Erase Input", 0, 4, 3, "ers", false, "", W::None, "", nullptr},
    {"key_Min", "Min", "Memory In", 0, 4, 4, "", false, "", W::Text, "memory in", StoreMemory},
    {"key_Mr", "MR", "Memory Recall", 0, 4, 5, "mo", false, "", W::Text, "memory recall", nullptr},

    // Page 1, " 2nd Function "
    {"key_Time", "Time", "Display CLock", 1, 1, 1, "", false, "", W::None, "", ClockKey},
    {"key_Log", "Log", "Logarithm", 1, 1, 2, "log", false, "", W::Text, "log", nullptr},
    {"key_Ln", "Ln", "Natural Logarithm", 1, 1, 3, "ln", false, "", W::Text, "ln", nullptr},
    {"com_Random", "Rnd#", "Random number generator", 1, 1, 4, "rand", false, "", W::None, "", nullptr},
    {"key_KAC", "KAC", "Memory Delete", 1, 1, 5, "", false, "", W::None, "", ClearRegisters},
    {"key_Cubt", "x\u00B9/\u00B3", "Cube Root", 1, 2, 1, "cubt", false, "", W::Text, "cube root", nullptr},
    {"key_aLog", "aLog", "Anti-Logarithm ", 1, 2, 2, "alog", false, "", W::Text, "anti log", nullptr},
    {"key_aLn", "aLn", "Anti-Natural Logarithm", 1, 2, 3, "aln", false, "", W::Text, "anti ln", nullptr},
    {"key_RtoP", "R>P", "Rectangular to Polar", 1, 2, 4, "", false, "", W::None, "", RectToPolarKey},
    {"key_PtoR", "P>R", "Polar to Rectangular", 1, 2, 5, "", false, "", W::None, "", PolarToRectKey},
    {"key_Cube", "x\u00B3", "Cube", 1, 3, 1, "cube", false, "", W::Text, "cube", nullptr},
    {"key_Fact", "x!", "Factorial", 1, 3, 2, "fact", false, "", W::Text, "factorial", nullptr},
    {"key_Cnst", "Cnst", "Scientific Constant", 1, 3, 3, "cnst", false, "", W::None, "", nullptr},
    {"key_XtoK", "X>K", "Memory Swap", 1, 3, 4, "xk", false, "", W::None, "", nullptr},
    {"key_XtoY", "X>Y", "Input Swap", 1, 3, 5, "x-y", false, "", W::None, "", nullptr},
    {"key_Dc", "d/c", "Fraction Converter", 1, 4, 1, "", false, "", W::None, "", ConvertFraction},
    {"key_EngR", "Eng-\u00BB", "", 1, 4, 2, "", false, "", W::None, "", EngShiftRight},
    {"key_EngL", "\u00AB-Eng", "", 1, 4, 3, "", false, "", W::None, "", EngShiftLeft},
    {"key_Mplus", "M+", "Memory Plus", 1, 4, 4, "", false, "", W::None, "", AddToRegister},
    {"key_Mminus", "M-", "Memory Minus", 1, 4, 5, "", false, "", W::None, "", SubtractFromRegister},

    // Page 2, " 3rd Function " (row 1 holds the two heading strips)
    {"key_Tanh", "Tanh", "Hyperbolic Tangent", 2, 2, 1, "tanh", false, "", W::Text, "hyperbolic tangent", nullptr},
    {"key_ArcTanh", "iTanh", "Inverse Hyperbolic Tangent", 2, 2, 2, "itanh", false, "", W::Text,
     "inverse hyperbolic tangent", nullptr},
    {"key_Sqr2", "Sx2", "Sum of square of data", 2, 2, 3, "sqr2", false, "", W::None, "", nullptr},
    {"key_Sqr1", "Sx1", "Sum of data raise to the power 2", 2, 2, 4, "sqr1", false, "", W::None, "", nullptr},
    {"key_Dts", "Sx", "Sum of data", 2, 2, 5, "dts", false, "", W::None, "", nullptr},
    {"key_Sinh", "Sinh", "Hyperbolic Sine", 2, 3, 1, "sinh", false, "", W::Text, "hyperbolic sine", nullptr},
    {"key_ArcSinh", "iSinh", "Inverse Hyperbolic Sine", 2, 3, 2, "isinh", false, "", W::Text, "inverse hyperbolic sine",
     nullptr},
    {"key_Ave", "Mean", "Data mean", 2, 3, 3, "ave", false, "", W::None, "", nullptr},
    {"key_Strd1", "Sdxn", "Sample standard deviation", 2, 3, 4, "strd1", false, "", W::None, "", nullptr},
    {"key_Strd0", "Sdx", "Population standard deviation", 2, 3, 5, "strd0", false, "", W::None, "", nullptr},
    {"key_Cosh", "Cosh", "Hyperbolic Cosine", 2, 4, 1, "cosh", false, "", W::Text, "hyperbolic cosine", nullptr},
    {"key_ArcCosh", "iCosh", "Inverse Hyperbolic Cosine", 2, 4, 2, "icosh", false, "", W::Text,
     "inverse hyperbolic cosine", nullptr},
    {"key_Dtn", "Cnt", "Data count", 2, 4, 3, "dtn", false, "", W::None, "", nullptr},
    {"key_Del", "Del", "Delete data", 2, 4, 4, "", false, "", W::None, "", DeleteDataKey},
    {"key_Data", "Data", "Add data", 2, 4, 5, "data", false, "", W::None, "", nullptr},

    // Main keypad
    {"key_7", "7", "Numeral 7", K, 1, 1, "7", false, "", W::Digit, "", nullptr},
    {"key_8", "8", "Numeral 8", K, 1, 2, "8", false, "", W::Digit, "", nullptr},
    {"key_9", "9", "Numeral 9", K, 1, 3, "9", false, "", W::Digit, "", nullptr},
    {"key_C", "C", "Cancel Input", K, 1, 4, "C", false, "", W::Text, "", nullptr},
    {"key_AC", "AC", "Clear Calculation", K, 1, 5, "AC", true, "", W::Text, "", nullptr},
    {"key_4", "4", "Numeral 4", K, 2, 1, "4", false, "", W::Digit, "", nullptr},
    {"key_5", "5", "Numeral 5", K, 2, 2, "5", false, "", W::Digit, "", nullptr},
    {"key_6", "6", "Numeral 6", K, 2, 3, "6", false, "", W::Digit, "", nullptr},
    {"key_multiply", "x", "Multiply", K, 2, 4, "*", true, "x", W::Text, "times", nullptr},
    {"key_divide", "\u00F7", "Divide", K, 2, 5, "/", true, "\u00F7", W::Text, "divided by", nullptr},
    {"key_1", "1", "Numeral One", K, 3, 1, "1", false, "", W::Digit, "", nullptr},
    {"key_2", "2", "Numeral Two", K, 3, 2, "2", false, "", W::Digit, "", nullptr},
    {"key_3", "3", "Numeral 3", K, 3, 3, "3", false, "", W::Digit, "", nullptr},
    {"key_plus", "+", "Plus", K, 3, 4, "+", true, "+", W::Text, "+", nullptr},
    {"key_minus", "-", "Minus", K, 3, 5, "-", true, "-", W::Text, "minus", nullptr},
    {"key_0", "0", "Numeral Zero", K, 4, 1, "0", false, "", W::Digit, "", nullptr},
    {"key_dot", ".", "Decimal Point", K, 4, 2, "dot", false, "", W::Text, ".", nullptr},
    {"key_exp", "EXP", "Exponent  [F8]", K, 4, 3, "exp", false, "", W::Text, "exponent", nullptr},
    {"key_equal", "=", "Equals", K, 4, 4, "=", false, "", W::Result, "", nullptr},
    {"key_PI", "PI", "Constant PI  [F9]", K, 4, 5, "PI", false, "", W::Text, "pi", nullptr},
});

}  // namespace

std::span<const FaceKey> FaceKeys() { return kFaceKeys; }

const FaceKey* FindFaceKey(std::string_view controlName) {
    const auto it =
        std::find_if(kFaceKeys.begin(), kFaceKeys.end(), [&](const FaceKey& k) { return k.name == controlName; });
    return it == kFaceKeys.end() ? nullptr : &*it;
}
