// SPDX-License-Identifier: MIT
#include "keys/key_table.h"

#include <algorithm>
#include <array>

#include "constants/constant_keys.h"
#include "core/clipboard_clock.h"
#include "core/translation.h"
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
    {"key_Rcp", "\u00B9/x", QT_TRANSLATE_NOOP("Keys", "Reciprocal"), 0, 1, 1, "rcp", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "reciprocal"), nullptr},
    {"key_Kin", "Kin", QT_TRANSLATE_NOOP("Keys", "Memory In"), 0, 1, 2, "", false, "", W::None, "", StoreRegister},
    {"key_Kout", "Kout", QT_TRANSLATE_NOOP("Keys", "Memory Recall"), 0, 1, 3, "ko", false, "", W::None, "", nullptr},
    {"key_Root", "Root", QT_TRANSLATE_NOOP("Keys", "Root Extractor"), 0, 1, 4, "root", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "root"), nullptr},
    {"key_Xy", "x^y", QT_TRANSLATE_NOOP("Keys", "Raise to the Power"), 0, 1, 5, "xy", true, "^", W::Text,
     QT_TRANSLATE_NOOP("Keys", "to the power"), nullptr},
    {"key_Sqrt", "x\u00B9/\u00B2", QT_TRANSLATE_NOOP("Keys", "Square Root"), 0, 2, 1, "sqrt", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "square root"), nullptr},
    {"key_Sqr", "x\u00B2", QT_TRANSLATE_NOOP("Keys", "Square"), 0, 2, 2, "sqr", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "squared"), nullptr},
    {"key_iTan", "iTan", QT_TRANSLATE_NOOP("Keys", "Inverse Tangent"), 0, 2, 3, "iTan", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "inverse tangent"), nullptr},
    {"key_iSin", "iSin", QT_TRANSLATE_NOOP("Keys", "Inverse Sine"), 0, 2, 4, "iSin", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "inverse sine"), nullptr},
    {"key_iCos", "iCos", QT_TRANSLATE_NOOP("Keys", "Inverse Cosine"), 0, 2, 5, "iCos", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "inverse cosine"), nullptr},
    {"key_Sexa", "Sexa", QT_TRANSLATE_NOOP("Keys", "Angle Input"), 0, 3, 1, "sexa", false, "", W::None, "", nullptr},
    {"key_Asex", "Asex", QT_TRANSLATE_NOOP("Keys", "Angular Display"), 0, 3, 2, "asex", false, "", W::None, "",
     nullptr},
    {"key_Tan", "Tan", QT_TRANSLATE_NOOP("Keys", "Tangent"), 0, 3, 3, "tan", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "tangent"), nullptr},
    {"key_Sin", "Sin", QT_TRANSLATE_NOOP("Keys", "Sine"), 0, 3, 4, "sin", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "sine"), nullptr},
    {"key_Cos", "Cos", QT_TRANSLATE_NOOP("Keys", "Cosine"), 0, 3, 5, "cos", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "cosine"), nullptr},
    {"key_Frc", "ab/c", QT_TRANSLATE_NOOP("Keys", "Fraction Input"), 0, 4, 1, "frc", false, "", W::None, "", nullptr},
    {"key_PM", "+/-", QT_TRANSLATE_NOOP("Keys", "Toogle Number Sign"), 0, 4, 2, "pm", false, "", W::Sign,
     QT_TRANSLATE_NOOP("Keys", "negative"), nullptr},
    {"key_Ers", "Back", QT_TRANSLATE_NOOP("Keys", "Erase Input"), 0, 4, 3, "ers", false, "", W::None, "", nullptr},
    {"key_Min", "Min", QT_TRANSLATE_NOOP("Keys", "Memory In"), 0, 4, 4, "", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "memory in"), StoreMemory},
    {"key_Mr", "MR", QT_TRANSLATE_NOOP("Keys", "Memory Recall"), 0, 4, 5, "mo", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "memory recall"), nullptr},

    // Page 1, " 2nd Function "
    {"key_Time", "Time", QT_TRANSLATE_NOOP("Keys", "Display CLock"), 1, 1, 1, "", false, "", W::None, "", ClockKey},
    {"key_Log", "Log", QT_TRANSLATE_NOOP("Keys", "Logarithm"), 1, 1, 2, "log", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "log"), nullptr},
    {"key_Ln", "Ln", QT_TRANSLATE_NOOP("Keys", "Natural Logarithm"), 1, 1, 3, "ln", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "ln"), nullptr},
    {"com_Random", "Rnd#", QT_TRANSLATE_NOOP("Keys", "Random number generator"), 1, 1, 4, "rand", false, "", W::None,
     "", nullptr},
    {"key_KAC", "KAC", QT_TRANSLATE_NOOP("Keys", "Memory Delete"), 1, 1, 5, "", false, "", W::None, "", ClearRegisters},
    {"key_Cubt", "x\u00B9/\u00B3", QT_TRANSLATE_NOOP("Keys", "Cube Root"), 1, 2, 1, "cubt", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "cube root"), nullptr},
    {"key_aLog", "aLog", QT_TRANSLATE_NOOP("Keys", "Anti-Logarithm "), 1, 2, 2, "alog", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "anti log"), nullptr},
    {"key_aLn", "aLn", QT_TRANSLATE_NOOP("Keys", "Anti-Natural Logarithm"), 1, 2, 3, "aln", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "anti ln"), nullptr},
    {"key_RtoP", "R>P", QT_TRANSLATE_NOOP("Keys", "Rectangular to Polar"), 1, 2, 4, "", false, "", W::None, "",
     RectToPolarKey},
    {"key_PtoR", "P>R", QT_TRANSLATE_NOOP("Keys", "Polar to Rectangular"), 1, 2, 5, "", false, "", W::None, "",
     PolarToRectKey},
    {"key_Cube", "x\u00B3", QT_TRANSLATE_NOOP("Keys", "Cube"), 1, 3, 1, "cube", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "cube"), nullptr},
    {"key_Fact", "x!", QT_TRANSLATE_NOOP("Keys", "Factorial"), 1, 3, 2, "fact", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "factorial"), nullptr},
    {"key_Cnst", "Cnst", QT_TRANSLATE_NOOP("Keys", "Scientific Constant"), 1, 3, 3, "cnst", false, "", W::None, "",
     nullptr},
    {"key_XtoK", "X>K", QT_TRANSLATE_NOOP("Keys", "Memory Swap"), 1, 3, 4, "xk", false, "", W::None, "", nullptr},
    {"key_XtoY", "X>Y", QT_TRANSLATE_NOOP("Keys", "Input Swap"), 1, 3, 5, "x-y", false, "", W::None, "", nullptr},
    {"key_Dc", "d/c", QT_TRANSLATE_NOOP("Keys", "Fraction Converter"), 1, 4, 1, "", false, "", W::None, "",
     ConvertFraction},
    {"key_EngR", "Eng-\u00BB", "", 1, 4, 2, "", false, "", W::None, "", EngShiftRight},
    {"key_EngL", "\u00AB-Eng", "", 1, 4, 3, "", false, "", W::None, "", EngShiftLeft},
    {"key_Mplus", "M+", QT_TRANSLATE_NOOP("Keys", "Memory Plus"), 1, 4, 4, "", false, "", W::None, "", AddToRegister},
    {"key_Mminus", "M-", QT_TRANSLATE_NOOP("Keys", "Memory Minus"), 1, 4, 5, "", false, "", W::None, "",
     SubtractFromRegister},

    // Page 2, " 3rd Function " (row 1 holds the two heading strips)
    {"key_Tanh", "Tanh", QT_TRANSLATE_NOOP("Keys", "Hyperbolic Tangent"), 2, 2, 1, "tanh", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "hyperbolic tangent"), nullptr},
    {"key_ArcTanh", "iTanh", QT_TRANSLATE_NOOP("Keys", "Inverse Hyperbolic Tangent"), 2, 2, 2, "itanh", false, "",
     W::Text, QT_TRANSLATE_NOOP("Keys", "inverse hyperbolic tangent"), nullptr},
    {"key_Sqr2", "Sx2", QT_TRANSLATE_NOOP("Keys", "Sum of square of data"), 2, 2, 3, "sqr2", false, "", W::None, "",
     nullptr},
    {"key_Sqr1", "Sx1", QT_TRANSLATE_NOOP("Keys", "Sum of data raise to the power 2"), 2, 2, 4, "sqr1", false, "",
     W::None, "", nullptr},
    {"key_Dts", "Sx", QT_TRANSLATE_NOOP("Keys", "Sum of data"), 2, 2, 5, "dts", false, "", W::None, "", nullptr},
    {"key_Sinh", "Sinh", QT_TRANSLATE_NOOP("Keys", "Hyperbolic Sine"), 2, 3, 1, "sinh", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "hyperbolic sine"), nullptr},
    {"key_ArcSinh", "iSinh", QT_TRANSLATE_NOOP("Keys", "Inverse Hyperbolic Sine"), 2, 3, 2, "isinh", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "inverse hyperbolic sine"), nullptr},
    {"key_Ave", "Mean", QT_TRANSLATE_NOOP("Keys", "Data mean"), 2, 3, 3, "ave", false, "", W::None, "", nullptr},
    {"key_Strd1", "Sdxn", QT_TRANSLATE_NOOP("Keys", "Sample standard deviation"), 2, 3, 4, "strd1", false, "", W::None,
     "", nullptr},
    {"key_Strd0", "Sdx", QT_TRANSLATE_NOOP("Keys", "Population standard deviation"), 2, 3, 5, "strd0", false, "",
     W::None, "", nullptr},
    {"key_Cosh", "Cosh", QT_TRANSLATE_NOOP("Keys", "Hyperbolic Cosine"), 2, 4, 1, "cosh", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "hyperbolic cosine"), nullptr},
    {"key_ArcCosh", "iCosh", QT_TRANSLATE_NOOP("Keys", "Inverse Hyperbolic Cosine"), 2, 4, 2, "icosh", false, "",
     W::Text, QT_TRANSLATE_NOOP("Keys", "inverse hyperbolic cosine"), nullptr},
    {"key_Dtn", "Cnt", QT_TRANSLATE_NOOP("Keys", "Data count"), 2, 4, 3, "dtn", false, "", W::None, "", nullptr},
    {"key_Del", "Del", QT_TRANSLATE_NOOP("Keys", "Delete data"), 2, 4, 4, "", false, "", W::None, "", DeleteDataKey},
    {"key_Data", "Data", QT_TRANSLATE_NOOP("Keys", "Add data"), 2, 4, 5, "data", false, "", W::None, "", nullptr},

    // Main keypad
    {"key_7", "7", QT_TRANSLATE_NOOP("Keys", "Numeral 7"), K, 1, 1, "7", false, "", W::Digit, "", nullptr},
    {"key_8", "8", QT_TRANSLATE_NOOP("Keys", "Numeral 8"), K, 1, 2, "8", false, "", W::Digit, "", nullptr},
    {"key_9", "9", QT_TRANSLATE_NOOP("Keys", "Numeral 9"), K, 1, 3, "9", false, "", W::Digit, "", nullptr},
    {"key_C", "C", QT_TRANSLATE_NOOP("Keys", "Cancel Input"), K, 1, 4, "C", false, "", W::Text, "", nullptr},
    {"key_AC", "AC", QT_TRANSLATE_NOOP("Keys", "Clear Calculation"), K, 1, 5, "AC", true, "", W::Text, "", nullptr},
    {"key_4", "4", QT_TRANSLATE_NOOP("Keys", "Numeral 4"), K, 2, 1, "4", false, "", W::Digit, "", nullptr},
    {"key_5", "5", QT_TRANSLATE_NOOP("Keys", "Numeral 5"), K, 2, 2, "5", false, "", W::Digit, "", nullptr},
    {"key_6", "6", QT_TRANSLATE_NOOP("Keys", "Numeral 6"), K, 2, 3, "6", false, "", W::Digit, "", nullptr},
    {"key_multiply", "x", QT_TRANSLATE_NOOP("Keys", "Multiply"), K, 2, 4, "*", true, "x", W::Text,
     QT_TRANSLATE_NOOP("Keys", "times"), nullptr},
    {"key_divide", "\u00F7", QT_TRANSLATE_NOOP("Keys", "Divide"), K, 2, 5, "/", true, "\u00F7", W::Text,
     QT_TRANSLATE_NOOP("Keys", "divided by"), nullptr},
    {"key_1", "1", QT_TRANSLATE_NOOP("Keys", "Numeral One"), K, 3, 1, "1", false, "", W::Digit, "", nullptr},
    {"key_2", "2", QT_TRANSLATE_NOOP("Keys", "Numeral Two"), K, 3, 2, "2", false, "", W::Digit, "", nullptr},
    {"key_3", "3", QT_TRANSLATE_NOOP("Keys", "Numeral 3"), K, 3, 3, "3", false, "", W::Digit, "", nullptr},
    {"key_plus", "+", QT_TRANSLATE_NOOP("Keys", "Plus"), K, 3, 4, "+", true, "+", W::Text,
     QT_TRANSLATE_NOOP("Keys", "+"), nullptr},
    {"key_minus", "-", QT_TRANSLATE_NOOP("Keys", "Minus"), K, 3, 5, "-", true, "-", W::Text,
     QT_TRANSLATE_NOOP("Keys", "minus"), nullptr},
    {"key_0", "0", QT_TRANSLATE_NOOP("Keys", "Numeral Zero"), K, 4, 1, "0", false, "", W::Digit, "", nullptr},
    {"key_dot", ".", QT_TRANSLATE_NOOP("Keys", "Decimal Point"), K, 4, 2, "dot", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "."), nullptr},
    {"key_exp", "EXP", QT_TRANSLATE_NOOP("Keys", "Exponent  [F8]"), K, 4, 3, "exp", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "exponent"), nullptr},
    {"key_equal", "=", QT_TRANSLATE_NOOP("Keys", "Equals"), K, 4, 4, "=", false, "", W::Result, "", nullptr},
    {"key_PI", "PI", QT_TRANSLATE_NOOP("Keys", "Constant PI  [F9]"), K, 4, 5, "PI", false, "", W::Text,
     QT_TRANSLATE_NOOP("Keys", "pi"), nullptr},
});

}  // namespace

std::span<const FaceKey> FaceKeys() { return kFaceKeys; }

const FaceKey* FindFaceKey(std::string_view controlName) {
    const auto it =
        std::find_if(kFaceKeys.begin(), kFaceKeys.end(), [&](const FaceKey& k) { return k.name == controlName; });
    return it == kFaceKeys.end() ? nullptr : &*it;
}
