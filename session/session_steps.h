// SPDX-License-Identifier: MIT
#pragma once

struct Calculator;
class SessionStores;

// The engine's part of start-up: the calculator cleared by "AC", degree mode, the simple memory
// from "MemoryIn", the mode controls in Normal mode, then "CalcMem.mem", "SdfInput.sdf" and the
// tape of the stores' folder. Each step runs even when the one before failed; the file steps warn
// through calc.platform.messages.
void RunStartupSteps(Calculator& calc, SessionStores& stores);

// Shutdown: the clock stops, then "MemoryIn" and the files are saved; each step runs even when
// the one before failed.
void RunShutdownSteps(Calculator& calc, SessionStores& stores);
