// SPDX-License-Identifier: MIT
// Holding a text to the fifteen digit positions of the display.
#include "display/number_text.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kDisplayDigits = 15;

// Digits of the integer part as written, not rounded up: 9.99999999999999 has one and keeps
// its fourteen decimals instead of turning into "10.". Only counts below 16 matter.
int IntegerDigits(double value) {
    const double magnitude = std::fabs(value);
    int count = 1;
    for (double power = 10; count <= kDisplayDigits && magnitude >= power; power *= 10) ++count;
    return count;
}

size_t ExponentStart(std::string_view text) { return std::min(text.find_first_of("Ee"), text.size()); }

bool Contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

}  // namespace

std::string LimitSignificantDigits(std::string_view text) {
    const size_t e = ExponentStart(text);
    const std::string_view mantissa = text.substr(0, e);
    const double value = ReadNumber(mantissa);
    const int decimals = std::max(0, kDisplayDigits - IntegerDigits(value));
    std::string out = FormatPattern(value, HashPattern(decimals));
    out += text.substr(e);
    return out;
}

std::string FitDisplayText(std::string_view text) {
    // The sign and the point take no digit position; a minus of the exponent counts as well.
    int positions = static_cast<int>(ExponentStart(text));
    if (Contains(text, '-')) --positions;
    if (Contains(text, '.')) --positions;
    return positions > kDisplayDigits ? ShortenDisplayText(text) : std::string(text);
}

std::string ShortenDisplayText(std::string_view text) {
    const size_t e = ExponentStart(text);
    const int sign = ReadNumber(text) < 0 ? 1 : 0;
    if (e < text.size()) {
        const std::string_view mantissa = text.substr(0, e);
        const int digits = std::max(1, static_cast<int>(mantissa.size()) - (Contains(mantissa, '.') ? 1 : 0) - sign);
        return digits <= kDisplayDigits ? std::string(text) : LimitSignificantDigits(text);
    }
    const size_t point = std::min(text.find('.'), text.size());
    const int whole = static_cast<int>(point);
    const int fraction = point < text.size() ? static_cast<int>(text.size() - point - 1) : 0;
    if (whole + fraction - sign <= kDisplayDigits) return std::string(text);
    if (whole <= kDisplayDigits && fraction < kDisplayDigits) {
        // Trailing zeros of the decimals go first, then one decimal; a text still too long
        // is shown as it stands.
        std::string shorter = FormatPattern(text, HashPattern(fraction));
        if (static_cast<int>(shorter.size()) > kDisplayDigits) shorter = FormatPattern(text, HashPattern(fraction - 1));
        return shorter;
    }
    if (whole <= kDisplayDigits) return LimitSignificantDigits(FormatPattern(text, HashPattern(100)));
    return LimitSignificantDigits(FormatPattern(text, HashPattern(100, true)));
}
