// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The folder that holds the executable that is running.
std::filesystem::path ExecutableFolder();

// Where "CalcMem.mem" and "SdfInput.sdf" live: `dirOption` (--dir DIR) when given, created if
// missing; else `programFolder` when a file can be created there; else the per-user data folder
// ($XDG_DATA_HOME/Numora, else ~/.local/share/Numora). An installed program's folder is not
// writable, so saving there would fail at every shutdown.
std::filesystem::path ChooseProgramFolder(const std::optional<std::string>& dirOption,
                                          const std::filesystem::path& programFolder);

bool IsWritableFolder(const std::filesystem::path& folder);
