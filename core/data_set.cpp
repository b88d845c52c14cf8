// SPDX-License-Identifier: MIT
#include "core/data_set.h"

#include <utility>

#include "display/number_text.h"

DataSetCell& DataSetCell::operator=(const DataSetCell& other) {
    kind_ = other.kind_;
    values_ = other.values_;
    sums_ = other.sums_;
    ++revision_;
    return *this;
}

DataSetCell& DataSetCell::operator=(DataSetCell&& other) noexcept {
    kind_ = other.kind_;
    values_ = std::move(other.values_);
    sums_ = other.sums_;
    ++revision_;
    return *this;
}

DataSetCell DataSetCell::EmptyText() {
    DataSetCell cell;
    cell.kind_ = Kind::EmptyText;
    return cell;
}

DataSetCell DataSetCell::FromValues(std::vector<double> values) {
    DataSetCell cell;
    if (values.empty()) return cell;
    cell.kind_ = Kind::Values;
    cell.values_ = std::move(values);
    return cell;
}

void DataSetCell::AppendValue(double value) {
    if (!HasElements()) *this = DataSetCell{};
    kind_ = Kind::Values;
    values_.push_back(value);
    ++revision_;
}

const DataSetCell::Sums& DataSetCell::Summed() const {
    while (sums_.count < values_.size()) sums_.Add(values_[sums_.count]);
    return sums_;
}

// The two folds step in the same order and with the same rounding as over the whole set.
void DataSetCell::Sums::Add(double value) {
    const double shown = AtShownDigits(value);
    sum += shown;
    sumOfSquares += AtShownDigits(shown * shown);
    ++count;
    if (count == 1) shift = shown;
    const long double shifted = static_cast<long double>(shown) - shift;
    const long double fromOldMean = shifted - shiftedMean;
    shiftedMean += fromOldMean / static_cast<long double>(count);
    squaredDeviations += fromOldMean * (shifted - shiftedMean);
}
