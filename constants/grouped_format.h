// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// FormatPattern with one more pattern character: a "," in the integer part groups the integer
// digits in threes with ",": "##,##0.00" makes 149598000000 "149,598,000,000.00".
std::string FormatGrouped(double value, std::string_view pattern);
