// SPDX-License-Identifier: MIT
// Placeholder until the constants subsystem lands.
#include "constants/constant_keys.h"

void ConstantKey(Calculator&) {}
