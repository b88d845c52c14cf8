// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

struct Calculator;

// Entry points of the one-operand functions and the special conversions. The dispatcher calls
// them for their tokens; d/c, the Eng keys and P>R / R>P are run directly by their keys.

// "sqr", "sqrt", "cubt", "cube", "log", "alog", "ln", "aln", "rcp", "fact".
void UnaryFunction(Calculator& calc, std::string_view token);
// "sin" ... "itanh" in the current angle unit.
void TrigFunction(Calculator& calc, std::string_view token);
// Whether the routine's own table holds the token; the dispatcher asks these, so a new row is
// a new key.
bool IsUnaryFunctionToken(std::string_view token);
bool IsTrigFunctionToken(std::string_view token);

void FractionEntryStep(Calculator& calc);
void CompleteFractionEntry(Calculator& calc);
void EraseFractionCharacter(Calculator& calc);
void ShowFractionText(Calculator& calc);
void ConvertFraction(Calculator& calc);

void SexagesimalEntryStep(Calculator& calc);
void SexagesimalDisplay(Calculator& calc);

void EngShiftLeft(Calculator& calc);
void EngShiftRight(Calculator& calc);

void PolarToRectKey(Calculator& calc);
void RectToPolarKey(Calculator& calc);
void CompleteRect(Calculator& calc);
void CompletePolar(Calculator& calc);

void RandomKey(Calculator& calc);
