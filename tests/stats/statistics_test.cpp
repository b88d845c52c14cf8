// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <utility>

#include "core/calculator.h"
#include "display/number_text.h"
#include "stats/data_window_model.h"
#include "stats/scripted_data_picker.h"
#include "stats/statistics.h"
#include "support/key_driver.h"
#include "support/row_name.h"

namespace {

constexpr const char* kEight = "2 Data 4 Data 4 Data 4 Data 5 Data 5 Data 7 Data 9 Data ";
// Values whose spread is tiny beside their size. The decimals' deviations are those of the
// doubles nearest to them (123456789.123 is held to about 1E-8), worked out in exact fractions.
const std::string kNearValues = "1 0 0 0 0 0 0 0 0 1 Data 1 0 0 0 0 0 0 0 0 2 Data 1 0 0 0 0 0 0 0 0 3 Data ";
const std::string kNearDecimals =
    "1 2 3 4 5 6 7 8 9 dot 1 2 3 Data 1 2 3 4 5 6 7 8 9 dot 1 2 4 Data "
    "1 2 3 4 5 6 7 8 9 dot 1 2 6 Data 1 2 3 4 5 6 7 8 9 dot 1 2 9 Data ";
const std::string kDecimals = "1 dot 5 Data 2 dot 2 5 Data 3 dot 7 5 Data 1 0 dot 1 2 5 Data ";
const std::string kEitherSign = "3 PM Data 1 dot 2 Data 7 Data 0 dot 0 5 Data 1 1 PM Data ";
const std::string kSmall = "0 dot 0 0 1 2 Data 0 dot 0 0 3 4 Data 0 dot 0 0 0 5 Data ";

struct StatCase {
    const char* name;
    std::string keys;
    const char* display;  // nullptr: the error state
    const char* reason;
};

class StatisticsKeys : public ::testing::TestWithParam<StatCase> {};

INSTANTIATE_TEST_SUITE_P(
    Keys, StatisticsKeys,
    ::testing::Values(
        StatCase{"Count", std::string(kEight) + "Dtn", "8.", ""},
        StatCase{"Sum", std::string(kEight) + "Dts", "40.", ""},
        StatCase{"Mean", std::string(kEight) + "Ave", "5.", ""},
        StatCase{"SquareOfSum", std::string(kEight) + "Sqr1", "1600.", ""},
        StatCase{"SumOfSquares", std::string(kEight) + "Sqr2", "232.", ""},
        StatCase{"Population", std::string(kEight) + "Strd0", "2.", ""},
        StatCase{"Sample", std::string(kEight) + "Strd1", "2.1380899352994", ""},
        StatCase{"CountTwiceIsTheSame", std::string(kEight) + "Dtn Dtn", "8.", ""},
        StatCase{"SingleValuePopulation", "5 Data Strd0", "0.", ""},
        StatCase{"SingleValueSampleHasNoReason", "5 Data Strd1", nullptr, ""},
        StatCase{"SingleValueMean", "5 Data Ave", "5.", ""},
        StatCase{"ZeroSumPopulation", "1 PM Data 1 Data Strd0", "1.", ""},
        StatCase{"ZeroSumSample", "1 PM Data 1 Data Strd1", "1.4142135623731", ""},
        StatCase{"ZeroSumMean", "1 PM Data 1 Data Ave", "0.", ""},
        StatCase{"EqualValuesPopulation", "0 dot 1 Data 0 dot 1 Data 0 dot 1 Data Strd0", "0.", ""},
        StatCase{"EqualValuesSample", "0 dot 1 Data 0 dot 1 Data 0 dot 1 Data Strd1", "0.", ""},
        StatCase{"ValuesCountAtShownDigits", "2 Sqrt Data Sqr2", "2.00000000000001", ""},
        StatCase{"NoDataCount", "Dtn", nullptr, "Empty Data"}, StatCase{"NoDataSum", "Dts", nullptr, "Empty Data"},
        StatCase{"NoDataMean", "Ave", nullptr, "Empty Data"},
        StatCase{"NoDataSquareOfSum", "Sqr1", nullptr, "Empty Data"},
        StatCase{"NoDataSumOfSquares", "Sqr2", nullptr, "Empty Data"},
        StatCase{"NoDataPopulation", "Strd0", nullptr, "Empty Data"},
        StatCase{"NoDataSample", "Strd1", nullptr, "Empty Data"},
        StatCase{"DataEndsTheEntryAsOperand", "1 2 Data plus equal", "12.", ""},
        StatCase{"DataLeavesTheDisplay", "1 2 Data", "12.", ""},
        StatCase{"KeyedExponentsStayWithTheirValues", "7 exp 1 PM Data 1 exp 3 PM Data Dts", "0.701", ""},
        StatCase{"NearValuesPopulation", kNearValues + "Strd0", "0.81649658092773", ""},
        StatCase{"NearValuesSample", kNearValues + "Strd1", "1.", ""},
        StatCase{"NearValuesMean", kNearValues + "Ave", "1000000002.", ""},
        StatCase{"NearDecimalsPopulation", kNearDecimals + "Strd0", "0.00229128680043", ""},
        StatCase{"NearDecimalsSample", kNearDecimals + "Strd1", "0.00264575010204", ""},
        // Shown as before the deviations were taken from the mean.
        StatCase{"DecimalsPopulation", kDecimals + "Strd0", "3.39964956833789", ""},
        StatCase{"DecimalsSample", kDecimals + "Strd1", "3.92557718686055", ""},
        StatCase{"EitherSignPopulation", kEitherSign + "Strd0", "5.89627000738603", ""},
        StatCase{"EitherSignSample", kEitherSign + "Strd1", "6.59223027510417", ""},
        StatCase{"DoublingPopulation", "1 0 0 Data 2 0 0 Data 4 0 0 Data 8 0 0 Data Strd0", "268.09513236909", ""},
        StatCase{"DoublingSample", "1 0 0 Data 2 0 0 Data 4 0 0 Data 8 0 0 Data Strd1", "309.569593683445", ""},
        StatCase{"SmallPopulation", kSmall + "Strd0", "0.00123558353286", ""},
        StatCase{"SmallSample", kSmall + "Strd1", "0.00151327459504", ""}),
    RowName<StatCase>);

TEST_P(StatisticsKeys, ShowTheResultOrTheError) {
    const StatCase& c = GetParam();
    Calculator calc;
    StartCalculator(calc);
    PressKeys(calc, c.keys);
    if (c.display) {
        EXPECT_FALSE(calc.entry.ErrorLocked);
        EXPECT_EQ(calc.panel.DisplayBox, c.display);
    } else {
        EXPECT_TRUE(calc.entry.ErrorLocked);
        EXPECT_EQ(calc.panel.DisplayBox, "*" + std::string(*c.reason ? c.reason : "Error") + "*");
    }
}

TEST(Statistics, DataBeyondTheCounterLimitIsRefused) {
    Calculator calc;
    StartCalculator(calc);
    calc.statistics.StatData = DataSetCell::FromValues(std::vector<double>(kMaxDataValues, 1.0));
    PressKeys(calc, "3 Data");
    EXPECT_TRUE(calc.entry.ErrorLocked);
    EXPECT_EQ(calc.panel.DisplayBox, "*Out of Range*");
    EXPECT_EQ(calc.statistics.StatData.Count(), kMaxDataValues);
    PressKeys(calc, "AC Dtn");
    EXPECT_EQ(calc.panel.DisplayBox, "32767.");
}

TEST(Statistics, ALoadedSetBeyondTheLimitIsEmptyData) {
    Calculator calc;
    StartCalculator(calc);
    calc.statistics.StatData = DataSetCell::FromValues(std::vector<double>(kMaxDataValues + 1, 1.0));
    PressKeys(calc, "Dtn");
    EXPECT_EQ(calc.panel.DisplayBox, "*Empty Data*");
}

TEST(Statistics, FoldAndApplyWorkOnShownDigits) {
    const std::vector<double> values{2, 3, 4};
    EXPECT_EQ(FoldArray(values, "+"), 9);
    EXPECT_EQ(FoldArray(values, "*"), 24);
    EXPECT_EQ(FoldArray(values, "&"), 234);
    std::vector<double> squares{0.1 + 0.2, 3};
    ApplyToEach(squares, "*");
    EXPECT_EQ(squares, (std::vector<double>{0.3 * 0.3, 9}));
    std::vector<double> doubled{1.5};
    ApplyToEach(doubled, "&");
    EXPECT_EQ(doubled[0], 1.51);  // "1.5" & "1.5" reads as 1.51
}

TEST(DataWindow, ListsTheValuesAsShown) {
    Calculator calc;
    StartCalculator(calc);
    for (double v : {1E-20, 0.1 + 0.2, 12.0}) calc.statistics.StatData.AppendValue(v);
    const DataWindowModel items(calc);
    ASSERT_EQ(items.RowCount(), 3);
    EXPECT_EQ(items.Label(1), "Data-01");
    EXPECT_EQ(items.ValueText(1), "   1E-20");
    EXPECT_EQ(items.ValueText(2), "   0.3");
    EXPECT_EQ(items.ValueText(3), "   12");
    EXPECT_EQ(DataWindowModel::Label(100), "Data-100");
}

TEST(DataWindow, DeleteButtonFollowsTheCheckMarks) {
    Calculator calc;
    DataWindowModel empty(calc);
    empty.SelectAll();
    EXPECT_FALSE(empty.DeleteEnabled);
    calc.statistics.StatData.AppendValue(1);
    calc.statistics.StatData.AppendValue(2);
    DataWindowModel window(calc);
    EXPECT_FALSE(window.DeleteEnabled);
    window.ItemCheck(2, true);
    EXPECT_TRUE(window.DeleteEnabled);
    window.ItemCheck(2, false);
    EXPECT_FALSE(window.DeleteEnabled);
    window.SelectAll();
    EXPECT_TRUE(window.DeleteEnabled);
    window.ClearChecks();
    EXPECT_FALSE(window.DeleteEnabled);
}

TEST(DataWindow, DeletingTakesTheDeviationsFromTheRest) {
    Calculator calc;
    StartCalculator(calc);
    ScriptedDataPicker picker;
    calc.platform.dataPicker = &picker;
    PressKeys(calc, "7 Data " + kNearValues);
    picker.SetNext({1});
    PressKeys(calc, "Del Strd0");
    EXPECT_EQ(calc.panel.DisplayBox, "0.81649658092773");
}

TEST(DataWindow, DeletingKeepsTheRestInOrder) {
    Calculator calc;
    StartCalculator(calc);
    ScriptedDataPicker picker;
    calc.platform.dataPicker = &picker;
    PressKeys(calc, "2 Data 4 Data 9 Data");
    picker.SetNext({2});
    PressKeys(calc, "Del");
    EXPECT_EQ(calc.statistics.StatData.Values(), (std::vector<double>{2, 9}));
    EXPECT_EQ(DataWindowModel(calc).RowCount(), 2);
    picker.SetNext({1, 2});
    PressKeys(calc, "Del");
    EXPECT_EQ(calc.statistics.StatData.kind(), DataSetCell::Kind::EmptyText);
    PressKeys(calc, "Dtn");
    EXPECT_EQ(calc.panel.DisplayBox, "*Empty Data*");
    PressKeys(calc, "AC 7 Data Dtn");
    EXPECT_EQ(calc.panel.DisplayBox, "1.");
}

}  // namespace

namespace {

// Data whose spread is not small beside its size: wherever the sums formula S2 - S1^2/n showed
// all fifteen digits of the deviation right, the deviations from the mean show the same digits.
// The right digits come from two passes in long double over the shown values.
TEST(Statistics, WellConditionedDeviationsKeepTheirRightDigits) {
    std::mt19937_64 random(7);
    int kept = 0;
    for (int set = 0; set < 300; ++set) {
        const int count = std::uniform_int_distribution<int>(2, 40)(random);
        const std::string pattern = FixedPattern(std::uniform_int_distribution<int>(0, 4)(random));
        const double scale = std::pow(10.0, std::uniform_int_distribution<int>(-3, 6)(random));
        std::vector<double> values;
        std::uniform_real_distribution<double> spread(-scale, 3 * scale);
        for (int i = 0; i < count; ++i) values.push_back(ReadNumber(FormatPattern(spread(random), pattern)));
        long double mean = 0;
        for (double v : values) mean += v;
        mean /= count;
        long double squaredDeviations = 0;
        for (double v : values) squaredDeviations += (v - mean) * (v - mean);

        Calculator calc;
        StartCalculator(calc);
        calc.statistics.StatData = DataSetCell::FromValues(values);
        const double n = count;
        const double s1 = calc.statistics.StatData.Sum();
        for (const auto& [key, divisor] : {std::pair{"Strd0", n}, std::pair{"Strd1", n - 1}}) {
            const std::string right = PlainText(static_cast<double>(std::sqrt(squaredDeviations / divisor)));
            if (PlainText(std::sqrt((calc.statistics.StatData.SumOfSquares() - s1 * s1 / n) / divisor)) != right)
                continue;
            PressKeys(calc, key);
            EXPECT_EQ(PlainText(calc.entry.InjectedValue), right) << key << " of set " << set;
            ++kept;
        }
    }
    EXPECT_GT(kept, 500);
}

TEST(DataSet, KeptSumsEqualTheFoldsBitForBit) {
    std::vector<double> values;
    DataSetCell grown;
    double x = 0.1;
    for (int i = 0; i < 2000; ++i) {
        x = x * 7.3 - static_cast<long long>(x * 7.3) + (i % 7) * 123.456789012345678 - 400;
        values.push_back(x);
        grown.AppendValue(x);
    }
    std::vector<double> squares = values;
    ApplyToEach(squares, "*");
    EXPECT_EQ(grown.Sum(), FoldArray(values, "+"));
    EXPECT_EQ(grown.SumOfSquares(), FoldArray(squares, "+"));
    const DataSetCell loaded = DataSetCell::FromValues(values);
    EXPECT_EQ(loaded.Sum(), grown.Sum());
    EXPECT_EQ(loaded.SumOfSquares(), grown.SumOfSquares());
    EXPECT_EQ(loaded.SquaredDeviations(), grown.SquaredDeviations());
    EXPECT_EQ(loaded, grown);
}

}  // namespace
