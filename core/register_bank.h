// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <unordered_set>

// One numbered memory register; a cleared one holds 0 and "".
struct MemoryRegister {
    double Value = 0.0;
    std::string Description;  // UTF-8

    bool operator==(const MemoryRegister&) const = default;
};

inline constexpr int kRegisterCount = 100;

// The 100 registers. Copies share them until one side changes a register: the undo history keeps
// the bank as each key found it for the cost of a pointer, and a key that stores a value copies
// the hundred pointers once and that one register, never all the descriptions (up to 64 KiB each).
class RegisterBank {
public:
    RegisterBank();

    static constexpr std::size_t size() { return kRegisterCount; }
    const MemoryRegister& operator[](int index) const { return *(*slots_)[index]; }
    // The register, made this bank's own first when a copy still shares it.
    MemoryRegister& operator[](int index);

    bool operator==(const RegisterBank& other) const;

    // The bytes this bank holds that `live` does not share with it, each block counted once over
    // all the calls that pass the same `counted`.
    std::size_t BytesBeyond(const RegisterBank& live, std::unordered_set<const void*>& counted) const;

private:
    using Slots = std::array<std::shared_ptr<MemoryRegister>, kRegisterCount>;
    std::shared_ptr<Slots> slots_;
};

// The modes of the register window, in the order the key procedures hand them over.
enum MemoryFormModes { kModeIn = 0, kModeRecall, kModeSwap, kModeAdd, kModeMinus, kModeDelete };

inline bool IsRegisterIndex(int index) { return index >= 0 && index < kRegisterCount; }

// "Reg-001" for index 0 ... "Reg-100" for index 99.
std::string RegisterLabel(int index);
