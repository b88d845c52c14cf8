// SPDX-License-Identifier: MIT
#include "memory/session_steps.h"

#include <exception>

#include "core/calculator.h"
#include "core/dispatch.h"
#include "display/mode_controls.h"
#include "display/number_text.h"
#include "memory/memory_keys.h"
#include "memory/register_file.h"
#include "memory/settings_store.h"
#include "stats/data_file.h"

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

std::string FolderApplicationName(const std::filesystem::path& folder) {
    // "/opt/numora/" and "/opt/numora" are one folder and keep one memory.
    auto path = std::filesystem::absolute(folder).lexically_normal();
    if (!path.has_filename() && path.has_parent_path()) path = path.parent_path();
    return path.string();
}

void ReadMemorySetting(Calculator& calc, SettingsStore& store, const std::filesystem::path& folder) {
    const std::string text = store.Read(FolderApplicationName(folder), "Setting", "MemoryIn", "0");
    calc.MemoryValue = ReadsAsNumber(text) ? ReadNumber(text) : 0.0;
    ShowMemoryIndicator(calc);
}

void WriteMemorySetting(const Calculator& calc, SettingsStore& store,
                        const std::filesystem::path& folder) {
    store.Write(FolderApplicationName(folder), "Setting", "MemoryIn", PlainText(calc.MemoryValue));
}

void RunStartupSteps(Calculator& calc, SettingsStore& store, const std::filesystem::path& folder) {
    RunStep([&] { calc.panel.CCalc_Indicator.clear(); });
    RunStep([&] { DispatchKey(calc, "AC"); });
    RunStep([&] { DegButton_Click(calc); });
    RunStep([&] { ReadMemorySetting(calc, store, folder); });
    RunStep([&] { InitializeModeControls(calc); });
    RunStep([&] { LoadRegisterFile(calc.MemoryRegisters, folder / kRegisterFileName, calc.platform.messages); });
    RunStep([&] { LoadDataFile(calc.StatData, folder / kDataFileName, calc.platform.messages); });
}

void RunShutdownSteps(Calculator& calc, SettingsStore& store, const std::filesystem::path& folder) {
    RunStep([&] { calc.ClockShowing = false; });
    RunStep([&] { WriteMemorySetting(calc, store, folder); });
    RunStep([&] { SaveRegisterFile(calc.MemoryRegisters, folder / kRegisterFileName, calc.platform.messages); });
    RunStep([&] { SaveDataFile(calc.StatData, folder / kDataFileName, calc.platform.messages); });
}
