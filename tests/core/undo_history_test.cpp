// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "core/calculator.h"
#include "core/undo_history.h"
#include "keys/dispatch.h"
#include "keys/key_table.h"
#include "stats/scripted_data_picker.h"
#include "support/key_driver.h"

namespace {

std::vector<int> Positions(int first, int last, int step) {
    std::vector<int> positions;
    for (int p = first; p <= last; p += step) positions.push_back(p);
    return positions;
}

// The most the data keys can make the history keep in 100 steps over a full set: single deletes
// spread over it, one deletion of every other value, appends, and a clear of what is left. It
// stays under 5 MB, and undoing every step gives back the set in its order.
TEST(UndoHistory, HundredDataKeysOverAFullSetHoldUnderFiveMegabytes) {
    Calculator calc;
    StartCalculator(calc);
    ScriptedDataPicker picker;
    calc.platform.dataPicker = &picker;
    std::vector<double> full(kMaxDataValues);
    std::iota(full.begin(), full.end(), 1.0);
    calc.statistics.StatData = DataSetCell::FromValues(full);

    UndoHistory history;
    const auto press = [&](const char* name, std::vector<int> ticked = {}) {
        picker.SetNext(std::move(ticked));
        history.Key(calc, [name](Calculator& c) { ClickKey(c, *FindFaceKey(name)); });
    };
    for (int k = 0; k < 48; ++k) press("key_Del", {1 + 600 * k});
    press("key_Del", Positions(1, static_cast<int>(calc.statistics.StatData.Count()), 2));
    for (int k = 0; k < 50; ++k) press("key_Data");
    press("key_Del", Positions(1, static_cast<int>(calc.statistics.StatData.Count()), 1));
    ASSERT_EQ(calc.statistics.StatData.kind(), DataSetCell::Kind::EmptyText);

    const std::size_t held = history.HeldBytes(calc);
    RecordProperty("HeldBytes", std::to_string(held));
    EXPECT_LT(held, 5u << 20);
    int undone = 0;
    while (history.Undo(calc)) ++undone;
    EXPECT_EQ(undone, UndoHistory::kUndoSteps);
    EXPECT_EQ(calc.statistics.StatData, DataSetCell::FromValues(full));
}

}  // namespace
