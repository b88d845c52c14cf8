// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

// The reason of an empty or unusable data set.

// The value read back from its plain text: the 15 significant digits the display shows.
double ShownValue(double value);

// Every value is taken through its plain text, at the 15 digits the display shows.
// "+": the sum in index order from 0; "*": the product from the first value on; "&": the
// values' texts joined and read as one number.
double FoldArray(const std::vector<double>& values, std::string_view op);
// In place: x by x * x for "*", x + x for "+", or the number its text joined to itself reads as
// for "&".
void ApplyToEach(std::vector<double>& values, std::string_view op);
