// SPDX-License-Identifier: MIT
#include <charconv>
#include <cmath>

#include "display/number_text.h"

namespace {

// Significant digits of the shortest text that reads back as the value; trailing zeros of a
// whole number count too, which only ever overstates.
int ShortestDigits(double value) {
    char text[32];
    const char* end = std::to_chars(text, text + sizeof text, value).ptr;
    int digits = 0;
    bool leading = true;
    for (const char* c = text; c != end && *c != 'e'; ++c) {
        if (*c < '0' || *c > '9') continue;
        leading = leading && *c == '0';
        if (!leading) ++digits;
    }
    return digits;
}

}  // namespace

// A value whose shortest text has at most 15 significant digits lies within half an ulp of that
// text, far closer than half the gap between 15-digit decimals, so rounding it to 15 digits
// gives that text, which reads back as the value itself.
double AtShownDigits(double value) {
    if (value == 0) return 0.0;
    if (std::isfinite(value) && ShortestDigits(value) <= 15) return value;
    return ReadNumber(PlainText(value));
}
