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
    for (double value : cell.values_) cell.AddToSums(value);
    return cell;
}

void DataSetCell::AppendValue(double value) {
    if (!HasElements()) *this = DataSetCell{};
    kind = Kind::Values;
    values_.push_back(value);
    AddToSums(value);
}

// One more step of the two folds, in the same order and with the same rounding.
void DataSetCell::AddToSums(double value) {
    const double shown = ShownValue(value);
    sum_ += shown;
    sumOfSquares_ += ShownValue(shown * shown);
}
