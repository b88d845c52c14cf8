// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

struct Calculator;
class SettingsStore;

// The engine's part of start-up with `folder` as the program folder: the calculator cleared by
// "AC", degree mode, the simple memory from "MemoryIn" (keyed by the folder's path), the mode
// controls in Normal mode, then "CalcMem.mem" and "SdfInput.sdf". Each step runs even when the
// one before failed; the file steps warn through calc.platform.messages.
void RunStartupSteps(Calculator& calc, SettingsStore& store, const std::filesystem::path& folder);

// Shutdown: the clock stops, "MemoryIn" is written, then both files are saved; each step runs
// even when the one before failed.
void RunShutdownSteps(Calculator& calc, SettingsStore& store, const std::filesystem::path& folder);

// The settings-store application name of the folder's own values.
std::string FolderApplicationName(const std::filesystem::path& folder);
void ReadMemorySetting(Calculator& calc, SettingsStore& store, const std::filesystem::path& folder);
void WriteMemorySetting(const Calculator& calc, SettingsStore& store,
                        const std::filesystem::path& folder);
