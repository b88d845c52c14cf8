// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The folder that holds the executable that is running.
std::filesystem::path ExecutableFolder();

// The per-user application data folder: $XDG_DATA_HOME/Numora, else ~/.local/share/Numora.
std::filesystem::path UserDataFolder();

// Where the data files ("CalcMem.mem", "SdfInput.sdf", "CalcTape.txt") live: `dirOption`
// (--dir DIR) when given, created if missing; else `programFolder` when the first two already
// lie there (a portable copy); else the user's data folder, created if missing. The program's
// folder is only looked at, never written to find out: it may be a build folder, or a system
// folder under sudo.
std::filesystem::path ChooseProgramFolder(const std::optional<std::string>& dirOption,
                                          const std::filesystem::path& programFolder);
