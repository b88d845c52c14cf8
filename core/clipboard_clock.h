// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "core/platform.h"

struct Calculator;

// The engine side of copy, paste and the clock display; the shell drives the clock's timer.
void CopyResult(Calculator& calc);
void PasteKey(Calculator& calc);  // token "xtract"
void ClockKey(Calculator& calc);  // key_Time: starts or ends the clock display
void EndClock(Calculator& calc);  // any key while the clock shows
// Shows the current date line and time while the clock shows; the shell calls it on a timer.
void ClockTick(Calculator& calc);

// "MONDAY DEC 7, 2026": weekday and month names of the C library's time locale, upper case.
std::string ClockDateLine(const LocalDateTime& when);
// "02:05:29 PM".
std::string ClockTimeText(const LocalDateTime& when);
// A pasted text as a number: the whole text as the locale writes numbers, else with "." as the
// point and "," between groups, else the number at its start, where white space anywhere is
// skipped, "D" is an exponent letter like "E", "&H" and "&O" start hexadecimal and octal whole
// numbers and no number reads 0. The minus sign U+2212 counts as "-".
double ReadPastedNumber(std::string_view text, const NumberLocale& locale = {});

inline constexpr const char* kNothingToPaste = "Nothing to paste. Clipboard is EMPTY !";
