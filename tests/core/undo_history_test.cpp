// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "core/calculator.h"
#include "core/undo_history.h"
#include "keys/dispatch.h"
#include "keys/key_table.h"
#include "memory/scripted_register_chooser.h"
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

// What Undo and Redo must bring back: the face and the three stores.
struct Seen {
    DisplayPanel panel;
    RegisterBank registers;
    DataSetCell data;
    double memory;

    explicit Seen(const Calculator& calc)
        : panel(calc.panel),
          registers(calc.memory.MemoryRegisters),
          data(calc.statistics.StatData),
          memory(calc.memory.MemoryValue) {}
    bool operator==(const Seen& o) const {
        return panel == o.panel && registers == o.registers && data == o.data && memory == o.memory;
    }
};

// Random keys, the windows answered at random, and Undo and Redo among them, checked against a
// plain model of the two stacks: Undo shows what the calculator showed and held before the key,
// Redo what it showed after, 100 keys deep, and a key drops what was undone.
TEST(UndoHistory, RandomKeysUndoAndRedoToWhatWasSeen) {
    ScriptedRegisterChooser registers;
    ScriptedDataPicker data;
    Calculator calc;
    StartCalculator(calc);
    calc.platform.registers = &registers;
    calc.platform.dataPicker = &data;
    const auto& keys = FaceKeys();
    std::mt19937 random(20261208);
    UndoHistory history;
    std::vector<Seen> done, undone;
    for (int i = 0; i < 30'000; ++i) {
        const unsigned roll = random() % 10;
        if (roll < 2) {
            const bool undo = roll == 0;
            Seen before(calc);
            std::vector<Seen>& from = undo ? done : undone;
            std::vector<Seen>& to = undo ? undone : done;
            const bool moved = undo ? history.Undo(calc) : history.Redo(calc);
            ASSERT_EQ(moved, !from.empty()) << "step " << i;
            if (!moved) continue;
            ASSERT_TRUE(Seen(calc) == from.back()) << "step " << i;
            from.pop_back();
            to.push_back(std::move(before));
            continue;
        }
        const int r = static_cast<int>(random() % 100) + 1;
        registers.SetNext({r, "d" + std::to_string(r), {r, r % 7 + 1}});
        data.SetNext({r % 5 + 1, r % 3 + 1});
        done.emplace_back(calc);
        if (done.size() > UndoHistory::kUndoSteps) done.erase(done.begin());
        undone.clear();
        const FaceKey& key = keys[random() % keys.size()];
        history.Key(calc, [&key](Calculator& c) { ClickKey(c, key); });
    }
}

}  // namespace
