// SPDX-License-Identifier: MIT
// Placeholder conversions until the formatting rules land.
#include "display/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string PlainText(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", value);
    return buf;
}
std::string FormatPattern(double value, std::string_view) { return PlainText(value); }
std::string FormatPattern(std::string_view text, std::string_view p) { return FormatPattern(ReadNumber(text), p); }
std::string FixedPattern(int n) { return "0." + std::string(n, '0'); }
std::string ScientificPattern(int n) { return FixedPattern(n) + "E+00"; }
std::string HashPattern(int n, bool e) { return "0." + std::string(n, '#') + (e ? "E+00" : ""); }
double ReadNumber(std::string_view text) { return std::strtod(std::string(text).c_str(), nullptr); }
bool ReadsAsNumber(std::string_view text) {
    std::string s(text);
    char* end = nullptr;
    std::strtod(s.c_str(), &end);
    return end != s.c_str() && *end == 0;
}
std::string LimitSignificantDigits(std::string_view t) { return std::string(t); }
std::string FitDisplayText(std::string_view t) { return std::string(t); }
std::string ShortenDisplayText(std::string_view t) { return std::string(t); }
double RealMod(double a, double b) { return a - std::trunc(a / b) * b; }
double MinOf(std::span<const double> v) { double m = v[0]; for (double x : v) m = x < m ? x : m; return m; }
double MaxOf(std::span<const double> v) { double m = v[0]; for (double x : v) m = x > m ? x : m; return m; }
bool EqualAtDecimals(double a, double b, int) { return a == b; }
int ExponentOf(std::string_view t) {
    auto p = t.find_first_of("Ee");
    return p == std::string_view::npos ? 0 : std::atoi(std::string(t.substr(p + 1)).c_str());
}
