// SPDX-License-Identifier: MIT
#include "core/data_set_change.h"

#include <bit>
#include <utility>

namespace {

// Bit for bit, so that a value always pairs with itself, whatever the comparison of doubles says.
bool Same(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

}  // namespace

// The values kept are matched in order; a value of the set before that does not match the next
// value after counts as removed. The data window deletes values and the Data key appends one,
// so the match finds exactly what they did; for any other change it still gives a true account.
DataSetChange::DataSetChange(const DataSetContent& before, const DataSetCell& after)
    : kindBefore_(before.kind), kindAfter_(after.kind()) {
    const std::vector<double>& a = before.values;
    const std::vector<double>& b = after.Values();
    std::size_t j = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (j < b.size() && Same(a[i], b[j])) {
            ++j;
            continue;
        }
        removedAt_.push_back(static_cast<std::uint32_t>(i));
        removed_.push_back(a[i]);
    }
    appended_.assign(b.begin() + static_cast<std::ptrdiff_t>(j), b.end());
}

void DataSetChange::Undo(DataSetContent& content) const {
    content.values.resize(content.values.size() - appended_.size());
    std::vector<double> before;
    before.reserve(content.values.size() + removed_.size());
    std::size_t kept = 0;
    for (std::size_t k = 0; k < removed_.size(); ++k) {
        while (before.size() < removedAt_[k]) before.push_back(content.values[kept++]);
        before.push_back(removed_[k]);
    }
    before.insert(before.end(), content.values.begin() + static_cast<std::ptrdiff_t>(kept), content.values.end());
    content.values = std::move(before);
    content.kind = kindBefore_;
}

void DataSetChange::Redo(DataSetContent& content) const {
    if (!removedAt_.empty()) {
        std::vector<double> after;
        after.reserve(content.values.size() - removedAt_.size() + appended_.size());
        std::size_t k = 0;
        for (std::size_t i = 0; i < content.values.size(); ++i) {
            if (k < removedAt_.size() && removedAt_[k] == i) ++k;
            else after.push_back(content.values[i]);
        }
        content.values = std::move(after);
    }
    content.values.insert(content.values.end(), appended_.begin(), appended_.end());
    content.kind = kindAfter_;
}

std::size_t DataSetChange::HeldBytes() const {
    return removedAt_.capacity() * sizeof(std::uint32_t) +
           (removed_.capacity() + appended_.capacity()) * sizeof(double);
}

DataSetCell ToCell(DataSetContent content) {
    switch (content.kind) {
    case DataSetCell::Kind::Empty: return DataSetCell{};
    case DataSetCell::Kind::EmptyText: return DataSetCell::EmptyText();
    case DataSetCell::Kind::Values: break;
    }
    return DataSetCell::FromValues(std::move(content.values));
}
