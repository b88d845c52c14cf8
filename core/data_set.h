// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The statistics data set in its three states. Only Values counts as holding data; it always
// has at least one value. Empty and EmptyText differ only in how the file stores them.
//
// The set keeps what the statistics keys need as it grows, so a key costs the same for ten
// values as for thirty thousand: the two sums, added in index order from each value's shown
// form exactly as a fold over the whole set would add them, and the sum of squared deviations
// from the mean by Welford's updates, which keep the digits that the sums formula S2 - S1^2/n
// cancels away when the values are large beside their spread. A set that loses values is
// built anew, so the updates start again from its first value. The steps are taken when a
// statistic is first asked for, for the values added since: loading a full set costs no more
// than reading its numbers.
class DataSetCell {
public:
    enum class Kind { Empty, EmptyText, Values };

    DataSetCell() = default;
    DataSetCell(const DataSetCell&) = default;
    DataSetCell(DataSetCell&&) = default;
    // Taking another set's content counts as a change of this one (Revision).
    DataSetCell& operator=(const DataSetCell& other);
    DataSetCell& operator=(DataSetCell&& other) noexcept;
    static DataSetCell EmptyText();
    // A set of these values in order; Empty when there are none.
    static DataSetCell FromValues(std::vector<double> values);

    Kind kind() const { return kind_; }
    bool HasElements() const { return kind_ == Kind::Values && !values_.empty(); }
    std::size_t Count() const { return HasElements() ? values_.size() : 0; }
    const std::vector<double>& Values() const { return values_; }

    // Grows the set by one value at the end; an empty or "" set becomes a one-value set.
    void AppendValue(double value);

    // The sum of the values and the sum of their squares, each value taken at its shown digits.
    double Sum() const { return Summed().sum; }
    double SumOfSquares() const { return Summed().sumOfSquares; }
    // The sum of the squared deviations of the shown values from their mean.
    long double SquaredDeviations() const { return Summed().squaredDeviations; }

    // Changes with every change of this set, so that a key that left it alone is told without
    // comparing its values.
    std::uint64_t Revision() const { return revision_; }

    bool operator==(const DataSetCell& other) const { return kind_ == other.kind_ && values_ == other.values_; }

private:
    struct Sums {
        std::size_t count = 0;  // how many values the sums hold
        double sum = 0.0;
        double sumOfSquares = 0.0;
        // Welford's updates run on the values less the first one: differences of near values
        // are exact, and the running mean stays of the size of the spread, where its rounding
        // is small. The long double keeps the updates' rounding below the fifteen shown digits.
        double shift = 0.0;
        long double shiftedMean = 0.0;
        long double squaredDeviations = 0.0;

        // One more step of the two folds and of Welford's update.
        void Add(double value);
    };

    // The sums brought up to every value of the set.
    const Sums& Summed() const;

    Kind kind_ = Kind::Empty;
    std::vector<double> values_;
    mutable Sums sums_;
    std::uint64_t revision_ = 0;
};

// The 16-bit counters of the list window and the statistics walk at most this many values.
inline constexpr std::size_t kMaxDataValues = 32767;
