// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;

// Keyed digits, the point, the exponent, the sign and the erase keys build EntryText, a text
// that shows exactly what was keyed; computed values pass through here too and are parked.
void AppendToEntry(Calculator& calc);
void EnterExponentDigit(Calculator& calc);
void ChangeSign(Calculator& calc);
void EraseKey(Calculator& calc);
void ClearEntry(Calculator& calc);
void AllClear(Calculator& calc);
void ExchangeDisplay(Calculator& calc);
// Operators, "=", function keys, C and AC end a keyed exponent: the next number starts at +00.
void EndExponent(Calculator& calc);
