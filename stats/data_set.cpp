// SPDX-License-Identifier: MIT
#include "stats/data_set.h"

#include "stats/statistics.h"

DataSetCell DataSetCell::EmptyText() {
    DataSetCell cell;
    cell.kind = Kind::EmptyText;
    return cell;
}

DataSetCell DataSetCell::FromValues(const std::vector<double>& values) {
    DataSetCell cell;
    for (double value : values) cell.AppendValue(value);
    return cell;
}

void DataSetCell::AppendValue(double value) {
    if (!HasElements()) *this = DataSetCell{};
    kind = Kind::Values;
    values_.push_back(value);
    // One more step of the two folds, in the same order and with the same rounding.
    const double shown = ShownValue(value);
    sum_ += shown;
    sumOfSquares_ += ShownValue(shown * shown);
}
