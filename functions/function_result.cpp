// SPDX-License-Identifier: MIT
#include "functions/function_result.h"

#include <cmath>

#include "core/calculator.h"
#include "core/error_state.h"
#include "display/display_routines.h"

void DeliverResult(Calculator& calc, const FunctionResult& result) {
    if (result.failed()) {
        FailWith(calc, result.failure);
        return;
    }
    if (!std::isfinite(result.value)) {
        FailWith(calc, ErrorCause::Undefined);
        return;
    }
    // A negative zero would be written "-0".
    InjectValue(calc, result.value == 0.0 ? 0.0 : result.value);
    calc.entry.EntryText.clear();
}
