// SPDX-License-Identifier: MIT
#pragma once

#include "core/error_state.h"

struct Calculator;

// What a function key computed: a value, or the reason it failed.
struct FunctionResult {
    double value = 0.0;
    ErrorCause failure = ErrorCause::None;

    static FunctionResult Ok(double v) { return {v, ErrorCause::None}; }
    static FunctionResult Fail(ErrorCause reason) { return {0.0, reason}; }
    bool failed() const { return failure != ErrorCause::None; }
};

// Hands a result to the engine the way every function key does: the value to InjectValue with
// the entry emptied, or KeyToken "Error" with the reason. A value that is not finite never
// reaches the display: it fails as "Undefined".
void DeliverResult(Calculator& calc, const FunctionResult& result);
