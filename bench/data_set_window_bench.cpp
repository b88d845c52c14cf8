// SPDX-License-Identifier: MIT
// The data set at 1,000, 10,000 and 32,767 values: the data window opening to its first frame,
// one tick, Select All, Clear, and reading the data file. Runs offscreen.
#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QPushButton>
#include <QTreeView>

#include "core/calculator.h"
#include "stats/calc_data_window.h"
#include "stats/data_file.h"

namespace {

DataSetCell KeyedValues(int count) {
    std::vector<double> values;
    for (int k = 0; k < count; ++k) values.push_back(k * 1.25 + (k % 7) * 0.001 - 400);
    return DataSetCell::FromValues(values);
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int n : {1000, 10000, 32767}) b->Arg(n);
    b->Unit(benchmark::kMillisecond);
}

void BM_OpenToFirstFrame(benchmark::State& state) {
    Calculator calc;
    calc.statistics.StatData = KeyedValues(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CalcDataFrm window(calc);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_OpenToFirstFrame)->Apply(Sizes);

// An open window; `act` runs once per iteration and the window then draws what it changed.
template <typename Act>
void InOpenWindow(benchmark::State& state, Act act) {
    Calculator calc;
    calc.statistics.StatData = KeyedValues(static_cast<int>(state.range(0)));
    CalcDataFrm window(calc);
    window.show();
    window.grab();
    for (auto _ : state) {
        act(window);
        QCoreApplication::processEvents();
    }
}

void BM_Tick(benchmark::State& state) {
    bool on = false;
    InOpenWindow(state, [&](CalcDataFrm& window) {
        QAbstractItemModel* items = window.findChild<QTreeView*>("ItemBox")->model();
        on = !on;
        items->setData(items->index(0, 0), on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    });
}
BENCHMARK(BM_Tick)->Apply(Sizes);

void BM_SelectAll(benchmark::State& state) {
    InOpenWindow(state, [](CalcDataFrm& window) { window.findChild<QPushButton*>("AllButton")->click(); });
}
BENCHMARK(BM_SelectAll)->Apply(Sizes);

void BM_Clear(benchmark::State& state) {
    InOpenWindow(state, [](CalcDataFrm& window) { window.findChild<QPushButton*>("ClearButton")->click(); });
}
BENCHMARK(BM_Clear)->Apply(Sizes);

void BM_LoadFile(benchmark::State& state) {
    const std::vector<unsigned char> bytes = EncodeDataFile(KeyedValues(static_cast<int>(state.range(0))));
    for (auto _ : state) benchmark::DoNotOptimize(DecodeDataFile(bytes));
}
BENCHMARK(BM_LoadFile)->Apply(Sizes);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
