// SPDX-License-Identifier: MIT
#include "session/session_stores.h"

#include <exception>

#include "core/calculator.h"
#include "core/settings_store.h"
#include "display/number_text.h"
#include "memory/memory_keys.h"
#include "memory/register_file.h"
#include "stats/data_file.h"
#include "tape/tape_file.h"

namespace {

// One store that cannot be saved does not keep the others from being saved.
template <typename Step>
void Guarded(Step&& step) {
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

SessionStores::SessionStores(SettingsStore& settings, const std::filesystem::path& folder, PaperTape* tape)
    : settings_(settings),
      application_(FolderApplicationName(folder)),
      registers_(folder / kRegisterFileName),
      data_(folder / kDataFileName),
      tape_(tape),
      tapeFile_(folder / kTapeFileName) {}

void SessionStores::LoadMemory(Calculator& calc) {
    const std::string text = settings_.Read(application_, "Setting", "MemoryIn", "0");
    calc.memory.MemoryValue = ReadsAsNumber(text) ? ReadNumber(text) : 0.0;
    memoryStored_ = PlainText(calc.memory.MemoryValue);
    ShowMemoryIndicator(calc);
}

void SessionStores::LoadRegisters(Calculator& calc) {
    LoadRegisterFile(calc.memory.MemoryRegisters, registers_, calc.platform.messages);
}

void SessionStores::LoadData(Calculator& calc) {
    LoadDataFile(calc.statistics.StatData, data_, calc.platform.messages);
}

void SessionStores::LoadTape(Calculator& calc) {
    if (tape_) LoadTapeFile(*tape_, tapeFile_, calc.platform.messages);
}

void SessionStores::Save(const Calculator& calc, SaveWhen when) {
    Guarded([&] {
        const std::string memory = PlainText(calc.memory.MemoryValue);
        if (when == SaveWhen::Changed && memory == memoryStored_) return;
        // 0 is what an absent value reads as: a folder whose memory is 0 leaves no trace.
        const bool stored = memory == "0" ? settings_.Remove(application_, "Setting", "MemoryIn")
                                          : settings_.Write(application_, "Setting", "MemoryIn", memory);
        if (stored) memoryStored_ = memory;
    });
    Guarded([&] { SaveRegisterFile(calc.memory.MemoryRegisters, registers_, when, calc.platform.messages); });
    Guarded([&] { SaveDataFile(calc.statistics.StatData, data_, when, calc.platform.messages); });
    Guarded([&] {
        if (tape_) SaveTapeFile(*tape_, tapeFile_, when, calc.platform.messages);
    });
}
