// SPDX-License-Identifier: MIT
// Any bytes as "CalcMem.mem": the decoder must stop at damage, and what it keeps must encode
// and decode to the same registers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "memory/register_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const RegisterFileContent read = DecodeRegisterFile(std::span(data, size));
    const RegisterFileContent again = DecodeRegisterFile(EncodeRegisterFile(read.registers));
    if (again.fault) std::abort();
    for (std::size_t i = 0; i < read.registers.size(); ++i) {
        const auto& a = read.registers[i];
        const auto& b = again.registers[i];
        const bool sameValue = a.Value == b.Value || (a.Value != a.Value && b.Value != b.Value);
        if (!sameValue || a.Description != b.Description) std::abort();
    }
    return 0;
}
