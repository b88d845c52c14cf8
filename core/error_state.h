// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;

// The reason texts of the error state.
inline constexpr const char* kDivideByZero = "Divide by Zero";
inline constexpr const char* kInfinity = "Infinity";
inline constexpr const char* kInvalidPower = "Invalid Power";
inline constexpr const char* kUndefined = "Undefined";
inline constexpr const char* kOutOfRange = "Out of Range";

// Enters the locked error state showing ErrorReason between asterisks.
void ShowError(Calculator& calc);

// What a failing function routine leaves behind: KeyToken "Error" and the reason.
void FailWith(Calculator& calc, const char* reason);
