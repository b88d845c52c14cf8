// SPDX-License-Identifier: MIT
// Plain text and pattern formatting. Both work on the value rounded to 15 significant digits,
// decided on the exact decimal expansion of the double, so a half is a true half of the
// binary value and never a half-even accident of an intermediate rounding.
#include "display/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kSignificant = 15;

// Digits without leading or trailing zeros; the first one stands at 10^exponent. No digits
// means zero.
struct Decimal {
    bool negative = false;
    int count = 0;
    int exponent = 0;
    char digits[kSignificant + 1] = {};
};

// The leading digits of the magnitude, correctly rounded to `precision` + 1 significant digits,
// and the exponent of the first one.
void ScientificDigits(double magnitude, int precision, char* out, int& exponent) {
    char buf[800];
    const auto end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, precision).ptr;
    int n = 0;
    const char* p = buf;
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.') out[n++] = *p;
    if (p < end && p[1] == '+') ++p;
    std::from_chars(p + 1, end, exponent);
}

// Rounds half away from zero to `keep` digits; keep <= 0 may still carry into a new digit.
void RoundDigits(Decimal& d, int keep) {
    if (keep >= d.count) return;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (up) {
        int i = d.count - 1;
        while (i >= 0 && d.digits[i] == '9') --i;
        if (i < 0) {
            d.digits[0] = '1';
            d.count = 1;
            ++d.exponent;
        } else {
            ++d.digits[i];
            d.count = i + 1;
        }
    }
    while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
}

Decimal RoundTo15(double value) {
    Decimal d;
    if (value == 0) return d;
    d.negative = value < 0;
    // The rounded digits decide the 16th one unless they read 5 and then only zeros: a rounded
    // ...4999 looks the same. More digits settle it; 767 significant digits are the exact
    // expansion of any double.
    char all[800];
    for (const int precision : {17, 40, 766}) {
        ScientificDigits(std::fabs(value), precision, all, d.exponent);
        const bool tieSoFar = all[kSignificant] == '5' &&
                              std::all_of(all + kSignificant + 1, all + precision + 1, [](char c) { return c == '0'; });
        if (!tieSoFar) break;
    }
    d.count = kSignificant + 1;
    std::copy(all, all + d.count, d.digits);
    RoundDigits(d, kSignificant);
    return d;
}

// The digit at position 10^p: beyond the significant digits every position is "0".
char DigitAt(const Decimal& d, int p) {
    const int index = d.exponent - p;
    return index >= 0 && index < d.count ? d.digits[index] : '0';
}

void AppendExponent(std::string& out, int exponent, bool plusSign, int minDigits) {
    out += 'E';
    if (exponent < 0) out += '-';
    else if (plusSign) out += '+';
    char buf[8];
    const auto end = std::to_chars(buf, buf + sizeof buf, std::abs(exponent)).ptr;
    for (int pad = minDigits - static_cast<int>(end - buf); pad > 0; --pad) out += '0';
    out.append(buf, end);
}

// Integer positions, optional point, then decimals from 10^-1 down to 10^-decimals.
void AppendFixed(std::string& out, const Decimal& d, int minInteger, bool point, int decimals) {
    const int top = d.count > 0 ? d.exponent : -1;
    for (int p = std::max(top, minInteger - 1); p >= 0; --p) out += DigitAt(d, p);
    if (point) out += '.';
    for (int p = -1; p >= -decimals; --p) out += DigitAt(d, p);
}

// The decimals to write: the significant ones, at least `minimum`, at most `maximum`.
int DecimalsShown(const Decimal& d, int minimum, int maximum) {
    const int last = d.count > 0 ? d.exponent - d.count + 1 : 0;
    return std::clamp(-last, minimum, maximum);
}

// Non-finite values are written as an exponent past every limit, so that the exponent check
// of the display turns them into the overflow error instead of showing "inf" or "nan".
std::string NonFiniteText(double value) { return value < 0 ? "-1E+999" : "1E+999"; }

struct Pattern {
    int minInteger = 0;
    bool point = false;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool exponent = false;
    bool exponentPlus = false;
    int minExponentDigits = 0;
};

Pattern ParsePattern(std::string_view text) {
    Pattern p;
    enum { Integer, Fraction, Exponent } part = Integer;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (part != Exponent && (c == 'E' || c == 'e') && i + 1 < text.size() &&
            (text[i + 1] == '+' || text[i + 1] == '-')) {
            p.exponent = true;
            p.exponentPlus = text[++i] == '+';
            part = Exponent;
        } else if (part == Integer && c == '.') {
            p.point = true;
            part = Fraction;
        } else if (c == '0' || c == '#') {
            if (part == Integer) p.minInteger += c == '0';
            else if (part == Exponent) p.minExponentDigits += c == '0';
            else if (c == '0') p.minDecimals = ++p.maxDecimals;
            else ++p.maxDecimals;
        }
    }
    return p;
}

}  // namespace

std::string PlainText(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    const Decimal d = RoundTo15(value);
    if (d.count == 0) return "0";
    std::string out;
    out.reserve(24);
    if (d.negative) out += '-';
    if (d.exponent >= -4 && d.exponent < kSignificant) {
        const int decimals = DecimalsShown(d, 0, kSignificant + 4);
        AppendFixed(out, d, 1, decimals > 0, decimals);
        return out;
    }
    out += d.digits[0];
    if (d.count > 1) {
        out += '.';
        out.append(d.digits + 1, d.count - 1);
    }
    AppendExponent(out, d.exponent, true, 2);
    return out;
}

std::string FormatPattern(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    const Pattern p = ParsePattern(pattern);
    Decimal d = RoundTo15(value);
    std::string out;
    out.reserve(32);
    if (p.exponent) {
        // Rounding first lets a carry (9.996 -> 10.00) move the exponent with it.
        RoundDigits(d, 1 + p.maxDecimals);
        const int exponent = d.count > 0 ? d.exponent : 0;
        if (d.negative && d.count > 0) out += '-';
        Decimal mantissa = d;
        mantissa.exponent = 0;
        AppendFixed(out, mantissa, 1, p.point, DecimalsShown(mantissa, p.minDecimals, p.maxDecimals));
        AppendExponent(out, exponent, p.exponentPlus, p.minExponentDigits);
        return out;
    }
    RoundDigits(d, d.exponent + 1 + p.maxDecimals);
    // A value that rounds to zero shows no minus sign.
    if (d.negative && d.count > 0) out += '-';
    AppendFixed(out, d, p.minInteger, p.point, DecimalsShown(d, p.minDecimals, p.maxDecimals));
    return out;
}

std::string FormatPattern(std::string_view text, std::string_view pattern) {
    return FormatPattern(ReadNumber(text), pattern);
}

std::string FixedPattern(int decimals) { return "0." + std::string(std::max(0, decimals), '0'); }

std::string ScientificPattern(int decimals) { return FixedPattern(decimals) + "E+00"; }

std::string HashPattern(int decimals, bool exponent) {
    return "0." + std::string(std::max(0, decimals), '#') + (exponent ? "E+00" : "");
}
