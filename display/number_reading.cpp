// SPDX-License-Identifier: MIT
// Reading a text as a number. Locale-free (std::from_chars), so a desktop locale with a decimal
// comma never changes what a stored or pasted text means.
#include "display/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

// More digits than any double needs to round correctly; the rest only matter as "nonzero".
constexpr int kMaxDigits = 780;
// Far beyond the double range, small enough that adding the digit shift cannot overflow.
constexpr long kExponentCap = 100000;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Scan {
    double value = 0;
    // The whole text, blanks aside, was one number with at least one digit.
    bool complete = false;
};

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    // The next character that is not a blank, or 0 at the end.
    char Peek() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Next() { ++pos_; }
    size_t Position() const { return pos_; }
    void Rewind(size_t pos) { pos_ = pos; }
    bool AtEnd() {
        Peek();
        return pos_ >= text_.size();
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

// The value is digits[0..count) times 10^shift.
struct Mantissa {
    char digits[kMaxDigits + 2];
    int count = 0;
    long shift = 0;
    bool sticky = false;
    bool seen = false;

    void Add(char c, bool fraction) {
        seen = true;
        if (count == 0 && c == '0') {
            if (fraction) --shift;
            return;
        }
        if (count < kMaxDigits) {
            digits[count++] = c;
            if (fraction) --shift;
        } else {
            sticky |= c != '0';
            if (!fraction) ++shift;
        }
    }
};

// Fifteen digits or fewer fit a double exactly, as do the powers of ten up to 1E22, so one
// multiplication or division rounds once and gives the correctly rounded value. Every keyed
// entry and shown value takes this path; the text conversion is left for the rest.
std::optional<double> ExactlyComposed(const Mantissa& m, long scale) {
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (m.sticky || m.count > 15 || scale < -22 || scale > 22) return std::nullopt;
    std::int64_t digits = 0;
    for (int i = 0; i < m.count; ++i) digits = digits * 10 + (m.digits[i] - '0');
    const double whole = static_cast<double>(digits);
    return scale >= 0 ? whole * kPowersOfTen[scale] : whole / kPowersOfTen[-scale];
}

double Compose(Mantissa& m, long exponent, bool negative) {
    if (m.count == 0) return 0.0;
    if (const std::optional<double> exact = ExactlyComposed(m, m.shift + exponent)) return negative ? -*exact : *exact;
    if (m.sticky) m.digits[m.count++] = '1', --m.shift;
    const long scale = m.shift + exponent;
    // The decimal exponent of the first digit decides overflow and underflow outright.
    const long lead = scale + m.count - 1;
    double magnitude = 0;
    if (lead > 400) {
        magnitude = std::numeric_limits<double>::max();
    } else if (lead >= -400) {
        char buf[kMaxDigits + 16];
        std::copy(m.digits, m.digits + m.count, buf);
        char* end = buf + m.count;
        *end++ = 'e';
        end = std::to_chars(end, buf + sizeof buf, scale).ptr;
        const auto result = std::from_chars(buf, end, magnitude);
        // Out of range: a number too large for a double is clamped to the largest one instead
        // of becoming infinite; one too small reads as zero.
        if (result.ec == std::errc::result_out_of_range)
            magnitude = lead > 0 ? std::numeric_limits<double>::max() : 0.0;
        if (std::isinf(magnitude)) magnitude = std::numeric_limits<double>::max();
    }
    if (magnitude == 0) return 0.0;
    return negative ? -magnitude : magnitude;
}

Scan ScanNumber(std::string_view text) {
    Scanner in(text);
    bool negative = false;
    if (in.Peek() == '+' || in.Peek() == '-') {
        negative = in.Peek() == '-';
        in.Next();
    }
    Mantissa m;
    while (IsDigit(in.Peek())) {
        m.Add(in.Peek(), false);
        in.Next();
    }
    if (in.Peek() == '.') {
        in.Next();
        while (IsDigit(in.Peek())) {
            m.Add(in.Peek(), true);
            in.Next();
        }
    }
    long exponent = 0;
    bool exponentValid = true;
    if (m.seen && (in.Peek() == 'E' || in.Peek() == 'e')) {
        const size_t mark = in.Position();
        in.Next();
        bool exponentNegative = false;
        if (in.Peek() == '+' || in.Peek() == '-') {
            exponentNegative = in.Peek() == '-';
            in.Next();
        }
        bool exponentDigits = false;
        while (IsDigit(in.Peek())) {
            exponent = std::min(kExponentCap, exponent * 10 + (in.Peek() - '0'));
            exponentDigits = true;
            in.Next();
        }
        if (exponentNegative) exponent = -exponent;
        // "1E" without digits reads as 1, but is not a whole number text.
        if (!exponentDigits) {
            exponent = 0;
            exponentValid = false;
            in.Rewind(mark);
        }
    }
    Scan scan;
    scan.value = Compose(m, exponent, negative);
    scan.complete = m.seen && exponentValid && in.AtEnd();
    return scan;
}

}  // namespace

double ReadNumber(std::string_view text) { return ScanNumber(text).value; }

bool ReadsAsNumber(std::string_view text) { return ScanNumber(text).complete; }

int ExponentOf(std::string_view text) {
    const size_t e = text.find_first_of("Ee");
    if (e == std::string_view::npos) return 0;
    const double exponent = ReadNumber(text.substr(e + 1));
    return static_cast<int>(std::clamp(exponent, -1e6, 1e6));
}

int ExponentAtLimits(double value) {
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e-98 && magnitude < 1e99) return 0;
    return ExponentOf(PlainText(value));
}
