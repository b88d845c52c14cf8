// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

struct Calculator;

// Speaks a word (in the user's language) while read-out is on and the display shows a number.
void SpeakKeyWord(Calculator& calc, const std::string& word);
// The "=" reading: "= " and the shown number, exponent spelled out; left to the screen reader
// while one is listening.
void SpeakResult(Calculator& calc);
// A shown number as the voice reads it: the decimal point the language's.
std::string SpokenNumber(std::string_view shown);
// The text SpeakResult speaks for a panel, or "" when it speaks nothing.
std::string ResultReading(const std::string& displayBox, const std::string& expoBox);
