// SPDX-License-Identifier: MIT
// The cost of one key press (dispatch, evaluation and display) over a long mixed formula, and
// the same with the undo history recording every key.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/calculator.h"
#include "core/undo_history.h"
#include "keys/dispatch.h"
#include "keys/key_table.h"

namespace {

// 1.5 + 2 x 3.25 ^ 2 - 7 / 4 x 12 + ... repeated, with functions and constant calculation mixed in.
std::vector<const FaceKey*> MixedFormula() {
    const char* names[] = {"key_1",        "key_dot",   "key_5",        "key_plus",     "key_2",        "key_multiply",
                           "key_3",        "key_dot",   "key_2",        "key_5",        "key_Xy",       "key_2",
                           "key_minus",    "key_7",     "key_divide",   "key_4",        "key_multiply", "key_1",
                           "key_2",        "key_plus",  "key_9",        "key_Sqrt",     "key_minus",    "key_PI",
                           "key_multiply", "key_2",     "key_exp",      "key_3",        "key_PM",       "key_Root",
                           "key_3",        "key_plus",  "key_6",        "key_Sin",      "key_divide",   "key_8",
                           "key_Ln",       "key_equal", "key_multiply", "key_multiply", "key_5",        "key_equal",
                           "key_equal",    "key_AC"};
    std::vector<const FaceKey*> keys;
    for (const char* n : names) keys.push_back(FindFaceKey(n));
    return keys;
}

void BM_KeyPress(benchmark::State& state) {
    const auto keys = MixedFormula();
    Calculator calc;
    DispatchKey(calc, "AC");
    std::size_t i = 0;
    for (auto _ : state) {
        ClickKey(calc, *keys[i]);
        benchmark::DoNotOptimize(calc.panel.DisplayBox.data());
        i = (i + 1) % keys.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyPress);

void BM_KeyPressWithUndo(benchmark::State& state) {
    const auto keys = MixedFormula();
    Calculator calc;
    DispatchKey(calc, "AC");
    UndoHistory history;
    std::size_t i = 0;
    for (auto _ : state) {
        history.Key(calc, [key = keys[i]](Calculator& c) { ClickKey(c, *key); });
        benchmark::DoNotOptimize(calc.panel.DisplayBox.data());
        i = (i + 1) % keys.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyPressWithUndo);

}  // namespace

BENCHMARK_MAIN();
