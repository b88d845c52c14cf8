// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;

// Why a key ended in the error state. Results carry the cause; ErrorText alone words it.
enum class ErrorCause {
    None,  // no error pending
    Unnamed,  // a failure with no reason of its own (a statistic of one value, a fractional
              // factorial): the display shows the plain "*Error*"
    DivideByZero,  // a zero divisor, the reciprocal of zero, 0 to a negative power
    Infinity,  // a result beyond the two-digit exponent
    InvalidPower,  // a root of a negative number that has no real value
    Undefined,  // outside a function's domain, or a function result that is not a number
    OutOfRange,  // a logarithm of zero or less, a tangent at a right angle, a negative factorial
    EmptyData,  // a statistic of an empty, oversized or overflowing data set
};

// The reason as the display shows it between asterisks; "" for None and Unnamed.
const char* ErrorText(ErrorCause cause);

// Enters the locked error state showing ErrorReason between asterisks.
void ShowError(Calculator& calc);

// What a failing function routine leaves behind: KeyToken "Error" and the reason.
void FailWith(Calculator& calc, ErrorCause reason);
