// SPDX-License-Identifier: MIT
#include "core/register_bank.h"

#include "display/number_text.h"

std::string RegisterLabel(int index) { return "Reg-" + FormatPattern(index + 1, "000"); }
