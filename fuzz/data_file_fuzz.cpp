// SPDX-License-Identifier: MIT
// Any bytes as "SdfInput.sdf": the decoder must stop at damage without a large allocation, and
// what it keeps must encode and decode to the same set.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "stats/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DataFileContent read = DecodeDataFile(std::span(data, size));
    if (read.data.Values().size() * 10 > size) std::abort();
    const auto bytes = EncodeDataFile(read.data);
    const DataFileContent again = DecodeDataFile(bytes);
    if (again.fault || again.data.kind() != read.data.kind() ||
        again.data.Values().size() != read.data.Values().size() ||
        (!read.data.Values().empty() && std::memcmp(again.data.Values().data(), read.data.Values().data(),
                                                    read.data.Values().size() * sizeof(double)) != 0))
        std::abort();
    return 0;
}
