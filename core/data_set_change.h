// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/data_set.h"

// A data set as a plain list: what the undo history keeps of the set a key started from.
struct DataSetContent {
    DataSetCell::Kind kind = DataSetCell::Kind::Empty;
    std::vector<double> values;
};

// What one key did to the data set, kept as what it took out and put in rather than as a copy:
// the set after is the set before less the values at `removedAt`, with `appended` at the end.
// A key that adds a value holds that one value, a deletion the values deleted; a set replaced by
// an unrelated one (a load) holds both whole.
class DataSetChange {
public:
    DataSetChange() = default;
    DataSetChange(const DataSetContent& before, const DataSetCell& after);

    bool Empty() const { return kindBefore_ == kindAfter_ && removed_.empty() && appended_.empty(); }

    // The set as it was before the key, made from the set after it, and the other way round.
    void Undo(DataSetContent& content) const;
    void Redo(DataSetContent& content) const;

    // The heap bytes the change holds, by capacity.
    std::size_t HeldBytes() const;

private:
    DataSetCell::Kind kindBefore_ = DataSetCell::Kind::Empty;
    DataSetCell::Kind kindAfter_ = DataSetCell::Kind::Empty;
    std::vector<std::uint32_t> removedAt_;  // ascending positions in the set before
    std::vector<double> removed_;
    std::vector<double> appended_;
};

// The cell holding exactly this content.
DataSetCell ToCell(DataSetContent content);
