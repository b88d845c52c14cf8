// SPDX-License-Identifier: MIT
// Any bytes as "CalcTape.txt": the decoder stops at damage, and the tape it loads saves as a
// file that loads again without damage, to the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "tape/tape_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TapeFileContent read = DecodeTapeFile(std::span(data, size));
    PaperTape tape;
    tape.Replace(read.lines);
    // A line written through the tape as well: what a register description may bring.
    tape.Write(std::string(reinterpret_cast<const char*>(data), size));
    const TapeFileContent again = DecodeTapeFile(EncodeTapeFile(tape));
    if (again.fault || again.lines.size() != tape.Lines().size()) std::abort();
    for (std::size_t i = 0; i < again.lines.size(); ++i)
        if (again.lines[i] != tape.Lines()[i]) std::abort();
    return 0;
}
