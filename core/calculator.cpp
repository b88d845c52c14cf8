// SPDX-License-Identifier: MIT
#include "core/calculator.h"

Calculator::Calculator(Platform services) : platform(services) {}
