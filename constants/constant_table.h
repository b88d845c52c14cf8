// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

// One row of the constants table.
struct ScientificConstant {
    int No = 0;
    std::string Symbol;
    std::string Description;
    double Value = 0.0;
    std::string Unit;
};

inline constexpr int kConstantCount = 128;
using ConstantTable = std::array<ScientificConstant, kConstantCount>;

// The 128 encoded rows, index k for row k+1.
std::span<const char* const> ConstantSource();
// Splits one encoded row at "<+>" and reads its fields.
ScientificConstant ParseConstantRow(std::string_view row);
ConstantTable BuildConstantTable();
