// SPDX-License-Identifier: MIT
// Placeholder until the scientific functions land.
#include "functions/function_keys.h"

void UnaryFunction(Calculator&, std::string_view) {}
void TrigFunction(Calculator&, std::string_view) {}
void FractionEntryStep(Calculator&) {}
void CompleteFractionEntry(Calculator&) {}
void EraseFractionCharacter(Calculator&) {}
void ShowFractionText(Calculator&) {}
void ConvertFraction(Calculator&) {}
void SexagesimalEntryStep(Calculator&) {}
void SexagesimalDisplay(Calculator&) {}
void EngShiftLeft(Calculator&) {}
void EngShiftRight(Calculator&) {}
void PolarToRectKey(Calculator&) {}
void RectToPolarKey(Calculator&) {}
void CompleteRect(Calculator&) {}
void CompletePolar(Calculator&) {}
void RandomKey(Calculator&) {}
