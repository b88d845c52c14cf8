// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "files/stored_file.h"
#include "tape/tape_file.h"

struct Calculator;
class PaperTape;
class SettingsStore;

// What a run keeps for the next one, in one data folder: the simple memory ("MemoryIn", keyed by
// the folder's path), "CalcMem.mem", "SdfInput.sdf" and, when given a tape, "CalcTape.txt". It
// remembers what it last loaded or
// saved, so that saving as the user goes writes only what changed.
class SessionStores {
public:
    SessionStores(SettingsStore& settings, const std::filesystem::path& folder, PaperTape* tape = nullptr);

    void LoadMemory(Calculator& calc);
    void LoadRegisters(Calculator& calc);
    void LoadData(Calculator& calc);
    void LoadTape(Calculator& calc);

    // The stores, each only when it differs from what was loaded or last saved.
    void SaveChanged(const Calculator& calc) { Save(calc, SaveWhen::Changed); }
    // The stores, whatever they hold: the closing save.
    void SaveAll(const Calculator& calc) { Save(calc, SaveWhen::Always); }

private:
    void Save(const Calculator& calc, SaveWhen when);

    SettingsStore& settings_;
    std::string application_;
    std::optional<std::string> memoryStored_;
    StoredFile registers_;
    StoredFile data_;
    PaperTape* tape_;
    TapeFile tapeFile_;
};

// The settings-store application name of the folder's own values.
std::string FolderApplicationName(const std::filesystem::path& folder);
