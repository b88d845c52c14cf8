// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <vector>

// The statistics data set in its three states. Only Values counts as holding data; it always
// has at least one value. Empty and EmptyText differ only in how the file stores them.
struct DataSetCell {
    enum class Kind { Empty, EmptyText, Values };

    Kind kind = Kind::Empty;
    std::vector<double> values;

    bool HasElements() const { return kind == Kind::Values && !values.empty(); }
    std::size_t Count() const { return HasElements() ? values.size() : 0; }

    // Grows the set by one value at the end; an empty or "" set becomes a one-value set.
    void AppendValue(double value) {
        if (!HasElements()) values.clear();
        values.push_back(value);
        kind = Kind::Values;
    }

    bool operator==(const DataSetCell&) const = default;
};

// The 16-bit counters of the list window and the statistics walk at most this many values.
inline constexpr std::size_t kMaxDataValues = 32767;
