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
// Backspace's step: exponent entry and the sign flag end, the keyed exponent stays as it is.
void LeaveExponentEntry(Calculator& calc);
// Ends the number being keyed; every key after which a digit starts a new number calls it.
// Exponent entry and the sign flag end, and the keyed exponent's digits and sign are emptied, so
// that the next number's exponent starts at +00. The entry text itself is the caller's: a key
// may still take it as its operand.
void EndOpenEntry(Calculator& calc);
// The display shows a number being keyed (digits or a fraction), not a value the calculator
// computed or recalled.
bool NumberBeingKeyed(const Calculator& calc);
