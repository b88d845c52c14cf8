// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "core/platform.h"

struct Calculator;

// The engine side of copy, paste and the clock display; the shell drives the clock's timer.
void CopyResult(Calculator& calc);
void PasteKey(Calculator& calc);   // token "xtract"
void ClockKey(Calculator& calc);   // key_Time: starts or ends the clock display
void EndClock(Calculator& calc);   // any key while the clock shows
// Shows the current date line and time while the clock shows; the shell calls it on a timer.
void ClockTick(Calculator& calc);

// "MONDAY DEC 7, 2026": weekday and month names of the C library's time locale, upper case.
std::string ClockDateLine(const LocalDateTime& when);
// "02:05:29 PM".
std::string ClockTimeText(const LocalDateTime& when);
// The number at the start of a pasted text: white space anywhere is skipped, "D" is an exponent
// letter like "E", "&H" and "&O" start hexadecimal and octal whole numbers; no number reads 0.
double ReadPastedNumber(std::string_view text);

inline constexpr const char* kNothingToPaste = "Nothing to paste. Clipboard is EMPTY !";
