// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

struct Calculator;
struct FaceKey;

// The only entry point for key tokens ("7", "+", "sqrt", "AC", ...).
void DispatchKey(Calculator& calc, std::string_view token);
// The common step after routing: entry, evaluation or the error display.
void ProcessToken(Calculator& calc);
// The operator indicator takes the caption while the display shows a number.
void SetOperatorIndicator(Calculator& calc, std::string_view caption);

// A click of a face key: indicator, dispatch (or the key's own routine), then its word.
void ClickKey(Calculator& calc, const FaceKey& key);
