// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;

// An operator token or "=" in KeyToken: completes a pending conversion, then extends or closes
// the formula, keeping Accumulator equal to the value of the formula so far.
void EvaluateOperator(Calculator& calc);
// Shows a computed value without putting it into the entry.
void ShowResult(Calculator& calc, double value);
