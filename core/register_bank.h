// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

// One numbered memory register; a cleared one holds 0 and "".
struct MemoryRegister {
    double Value = 0.0;
    std::string Description;  // UTF-8

    bool operator==(const MemoryRegister&) const = default;
};

inline constexpr int kRegisterCount = 100;
using RegisterBank = std::array<MemoryRegister, kRegisterCount>;

// The modes of the register window, in the order the key procedures hand them over.
enum MemoryFormModes { kModeIn = 0, kModeRecall, kModeSwap, kModeAdd, kModeMinus, kModeDelete };

inline bool IsRegisterIndex(int index) { return index >= 0 && index < kRegisterCount; }

// "Reg-001" for index 0 ... "Reg-100" for index 99.
std::string RegisterLabel(int index);
