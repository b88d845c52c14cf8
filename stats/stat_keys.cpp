// SPDX-License-Identifier: MIT
#include "stats/stat_keys.h"

#include "core/calculator.h"
#include "core/error_state.h"
#include "display/number_text.h"
#include "functions/function_keys.h"
#include "stats/data_picker.h"

void AddDataValue(Calculator& calc) {
    CompleteFractionEntry(calc);
    // The list window and the statistics count with 16-bit counters: refuse what they cannot walk.
    if (calc.statistics.StatData.Count() >= kMaxDataValues) {
        FailWith(calc, ErrorCause::OutOfRange);
        return;
    }
    calc.statistics.StatData.AppendValue(calc.formula.DisplayValue.Number());
    calc.entry.ParkedResult =
        calc.entry.EntryText.empty() ? PlainText(calc.formula.DisplayValue.Number()) : calc.entry.EntryText;
    calc.entry.EntryText.clear();
}

void DeleteDataKey(Calculator& calc) {
    if (calc.platform.dataPicker) calc.platform.dataPicker->ShowDataWindow(calc);
}
