// SPDX-License-Identifier: MIT
#include "core/data_set.h"

#include "display/number_text.h"

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
    return cell;
}

void DataSetCell::AppendValue(double value) {
    if (!HasElements()) *this = DataSetCell{};
    kind = Kind::Values;
    values_.push_back(value);
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
