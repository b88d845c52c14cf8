// SPDX-License-Identifier: MIT
#pragma once

#include <string>

struct Calculator;

// Speaks a word while read-out is on and the display shows a number.
void SpeakKeyWord(Calculator& calc, const std::string& word);
// The "=" reading: "= " and the shown number, exponent spelled out; left to the screen reader
// while one is listening.
void SpeakResult(Calculator& calc);
// The text SpeakResult speaks for a panel, or "" when it speaks nothing.
std::string ResultReading(const std::string& displayBox, const std::string& expoBox);
