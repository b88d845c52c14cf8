// SPDX-License-Identifier: MIT
#include "stats/data_set.h"

#include "stats/statistics.h"

DataSetCell DataSetCell::EmptyText() {
    DataSetCell cell;
    cell.kind = Kind::EmptyText;
    return cell;
}

DataSetCell DataSetCell::FromValues(std::vector<double> values) {
    DataSetCell cell;
    if (values.empty()) return cell;
    cell.kind = Kind::Values;
    cell.values_ = std::move(values);
    for (std::size_t i = 0; i < cell.values_.size(); ++i) cell.AddToSums(cell.values_[i], i + 1);
    return cell;
}

void DataSetCell::AppendValue(double value) {
    if (!HasElements()) *this = DataSetCell{};
    kind = Kind::Values;
    values_.push_back(value);
    AddToSums(value, values_.size());
}

// The two folds step in the same order and with the same rounding as over the whole set.
void DataSetCell::AddToSums(double value, std::size_t count) {
    const double shown = ShownValue(value);
    sum_ += shown;
    sumOfSquares_ += ShownValue(shown * shown);
    AddDeviation(shown, count);
}

void DataSetCell::AddDeviation(double shown, std::size_t count) {
    if (count == 1) shift_ = shown;
    const long double shifted = static_cast<long double>(shown) - shift_;
    const long double fromOldMean = shifted - shiftedMean_;
    shiftedMean_ += fromOldMean / static_cast<long double>(count);
    squaredDeviations_ += fromOldMean * (shifted - shiftedMean_);
}
