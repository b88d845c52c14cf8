// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;

// What a function key computed: a value, or the reason it failed ("" is a failure without a
// reason, which the error display shows as the plain error text).
struct FunctionResult {
    double value = 0.0;
    const char* failure = nullptr;

    static FunctionResult Ok(double v) { return {v, nullptr}; }
    static FunctionResult Fail(const char* reason) { return {0.0, reason}; }
    bool failed() const { return failure != nullptr; }
};

// Hands a result to the engine the way every function key does: the value to InjectValue with
// the entry emptied, or KeyToken "Error" with the reason. A value that is not finite never
// reaches the display: it fails as "Undefined".
void DeliverResult(Calculator& calc, const FunctionResult& result);
