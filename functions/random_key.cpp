// SPDX-License-Identifier: MIT
// Rnd#: a number from 0 to 0.999 taken from the clock, not from a generator.
#include <chrono>
#include <string>

#include "core/calculator.h"
#include "core/platform.h"
#include "display/display_routines.h"
#include "display/number_text.h"
#include "functions/function_keys.h"

namespace {

// The local date and time as a day count from 30 December 1899, with the elapsed part of the day
// to the second.
double DayCount(const LocalDateTime& now) {
    using namespace std::chrono;
    const sys_days date{year{now.year} / month{static_cast<unsigned>(now.month)} / day{static_cast<unsigned>(now.day)}};
    const sys_days epoch{year{1899} / December / day{30}};
    const double seconds = now.hour * 3600.0 + now.minute * 60.0 + now.second;
    return static_cast<double>((date - epoch).count()) + seconds / 86400.0;
}

}  // namespace

void RandomKey(Calculator& calc) {
    const SystemClock systemClock;
    const ClockSource& clock =
        calc.platform.clock ? *calc.platform.clock : static_cast<const ClockSource&>(systemClock);
    // The last three digits of the day count written to its fifteen significant digits.
    const std::string text = FormatPattern(DayCount(clock.Now()), "0.0" + std::string(100, '#'));
    const std::string lastThree = text.size() > 3 ? text.substr(text.size() - 3) : text;
    InjectValue(calc, ReadNumber(lastThree) / 1000.0);
    calc.entry.EntryText.clear();
}
