// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;

void ConstantKey(Calculator& calc);  // token "cnst"
