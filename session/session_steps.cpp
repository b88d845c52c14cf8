// SPDX-License-Identifier: MIT
#include "session/session_steps.h"

#include <exception>

#include "core/calculator.h"
#include "keys/dispatch.h"
#include "keys/mode_controls.h"
#include "session/session_stores.h"

namespace {

// A failing step is skipped without a message; the next one still runs.
template <typename Step>
void RunStep(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

}  // namespace

void RunStartupSteps(Calculator& calc, SessionStores& stores) {
    RunStep([&] { calc.panel.CCalc_Indicator.clear(); });
    RunStep([&] { DispatchKey(calc, "AC"); });
    RunStep([&] { DegButton_Click(calc); });
    RunStep([&] { stores.LoadMemory(calc); });
    RunStep([&] { InitializeModeControls(calc); });
    RunStep([&] { stores.LoadRegisters(calc); });
    RunStep([&] { stores.LoadData(calc); });
    RunStep([&] { stores.LoadTape(calc); });
}

void RunShutdownSteps(Calculator& calc, SessionStores& stores) {
    RunStep([&] { calc.modes.ClockShowing = false; });
    RunStep([&] { stores.SaveAll(calc); });
}
