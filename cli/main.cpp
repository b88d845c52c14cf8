// SPDX-License-Identifier: MIT
// numora-keys: presses face keys by name on a calculator started as the program starts, and
// prints the display.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/key_script.h"
#include "cli/scripted_platform.h"
#include "core/calculator.h"
#include "core/clipboard_clock.h"
#include "core/dispatch.h"
#include "core/key_table.h"
#include "display/mode_controls.h"

namespace {

void PrintPanel(const Calculator& calc, bool state) {
    const DisplayPanel& p = calc.panel;
    std::string line = p.DisplayBox + "\t" + p.ExpoBox;
    if (state)
        line += "\t" + p.Mem_Indicator + "\t" + p.CCalc_Indicator + "\t" + p.Mode_Indicator + "\t" +
                p.DispMode_Indicator + "\t" + p.OperatorIndicator;
    std::printf("%s\n", line.c_str());
}

void PressModeButton(Calculator& calc, const ScriptStep& step) {
    if (step.control == "DegButton") DegButton_Click(calc);
    else if (step.control == "RadButton") RadButton_Click(calc);
    else if (step.control == "GradButton") GradButton_Click(calc);
    else if (step.control == "StdButton") StdButton_Click(calc);
    else {
        if (step.control == "FxnButton") FxnButton_Click(calc);
        else ScnButton_Click(calc);
        if (step.precision) PrecBox_Click(calc, *step.precision);
    }
}

void Press(Calculator& calc, MemoryClipboard& clipboard, const ScriptStep& step) {
    switch (step.kind) {
    case ScriptStep::Kind::FaceKey:
        ClickKey(calc, *FindFaceKey(step.control));
        break;
    case ScriptStep::Kind::ModeButton:
        PressModeButton(calc, step);
        break;
    case ScriptStep::Kind::Copy:
        CopyResult(calc);
        std::printf("clipboard: %s\n", clipboard.Text().c_str());
        break;
    case ScriptStep::Kind::Paste:
        clipboard.SetText(step.text);
        DispatchKey(calc, "xtract");
        break;
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = ParseKeyScript(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }

    PrintedSpeech speech;
    MemoryClipboard clipboard;
    ConsoleMessages messages;
    SystemClock clock;
    Calculator calc(Platform{options->speak ? &speech : nullptr, &clock, &clipboard, &messages});
    calc.ReadOutLoudOn = options->speak;

    DispatchKey(calc, "AC");
    InitializeModeControls(calc);

    for (const ScriptStep& step : options->steps) {
        Press(calc, clipboard, step);
        if (options->each) PrintPanel(calc, options->state);
    }
    if (!options->each) PrintPanel(calc, options->state);
    return 0;
}
