// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Every number-to-text and text-to-number conversion of the calculator. Pure functions: the
// point is always ".", there are no thousands separators and the exponent letter is "E".

// The value rounded to 15 significant digits (halves away from zero) in its shortest form.
// Decimal form for 0 and magnitudes in [1E-4, 1E15) after rounding, else exponent form with at
// least two exponent digits: 2/3 -> "0.666666666666667", 1E-5 -> "1E-05", 1E100 -> "1E+100".
std::string PlainText(double value);

// Formats with a pattern of "0" (always written), "#" (written when significant), "." (always
// written) and an optional "E+00" tail. The value is taken at 15 significant digits; positions
// beyond the 15th significant digit are written as "0". Halves round away from zero.
std::string FormatPattern(double value, std::string_view pattern);
// A text argument is first read as a number.
std::string FormatPattern(std::string_view text, std::string_view pattern);

// "0." followed by n "0" (Fixed mode) and the same with "E+00" (Scientific mode).
std::string FixedPattern(int decimals);
std::string ScientificPattern(int decimals);
// "0." followed by n "#", optionally with "E+00".
std::string HashPattern(int decimals, bool exponent = false);

// Reads the number at the start of a text: blanks skipped wherever they stand, optional sign,
// digits, at most one ".", optional "E"/"e" exponent; stops at the first other character; a
// text with no number reads as 0.
double ReadNumber(std::string_view text);

// Reads a text written the way a locale writes numbers (`point` and `group` as UTF-8): the whole
// text, blanks aside, must be one number: a sign, digits grouped by threes at `group` or not
// grouped, `point` and the fraction, an "E"/"e" exponent. Under "," and ".": "1.234,5" -> 1234.5,
// "2,5" -> 2.5; "12.34" and "2 apples" -> nothing.
std::optional<double> ReadLocaleNumber(std::string_view text, std::string_view point, std::string_view group);

// The value as PlainText shows it, read back: ReadNumber(PlainText(value)), without the text for
// the values that already have at most 15 significant digits.
double AtShownDigits(double value);

// True when the whole text, blanks trimmed, is one number in the form ReadNumber accepts.
bool ReadsAsNumber(std::string_view text);

// The digit-limiting steps of the display.
std::string LimitSignificantDigits(std::string_view text);
std::string FitDisplayText(std::string_view text);
std::string ShortenDisplayText(std::string_view text);

// a - Trunc(a / b) * b: the result has the sign of a.
double RealMod(double a, double b);
double MinOf(std::span<const double> values);
double MaxOf(std::span<const double> values);
// a and b equal when both are formatted with n decimals (negative n counts as 0).
bool EqualAtDecimals(double a, double b, int decimals);

// The exponent written after the first "E" (either case) of a text, or 0 without one.
int ExponentOf(std::string_view text);
// ExponentOf(PlainText(value)) where it matters, at the display's limits (an exponent beyond
// -99 or 99); 0 for a value well inside them, which needs no text.
int ExponentAtLimits(double value);
