// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;

// The engine side of copy, paste and the clock display; the shell drives the clock's timer.
void CopyResult(Calculator& calc);
void PasteKey(Calculator& calc);   // token "xtract"
void ClockKey(Calculator& calc);   // key_Time: starts or ends the clock display
void EndClock(Calculator& calc);   // any key while the clock shows
