// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "core/calculator.h"
#include "memory/register_file.h"
#include "persist/program_folder.h"
#include "persist/qt_settings_store.h"
#include "session/session_steps.h"
#include "session/session_stores.h"
#include "stats/data_file.h"

namespace {

namespace fs = std::filesystem;

// Points the user's configuration and data folders into a fresh temporary folder.
class Persistence : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("numora-persist-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "program");
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
        folder = root / "program";
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root;
    fs::path folder;
    QtSettingsStore store;
};

TEST_F(Persistence, StoreWritesOnlyUnderTheConfigFolder) {
    EXPECT_EQ(store.Read("Numora", "NumoraSetting", "ReadOutLoud", "0"), "0");
    ASSERT_TRUE(store.Write("Numora", "NumoraSetting", "ReadOutLoud", "1"));
    ASSERT_TRUE(store.Write("/opt/numora", "Setting", "MemoryIn", "2.5"));
    EXPECT_EQ(store.Read("Numora", "NumoraSetting", "ReadOutLoud", "0"), "1");
    EXPECT_EQ(store.Read("/opt/numora", "Setting", "MemoryIn", "0"), "2.5");
    EXPECT_EQ(store.Read("/opt/other", "Setting", "MemoryIn", "0"), "0");
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        EXPECT_TRUE(entry.path().string().starts_with((root / "config" / "Numora").string())) << entry.path();
    }
    EXPECT_TRUE(fs::exists(root / "config" / "Numora" / "Numora.ini"));
    // The simple memory's value and the data folder's path are the user's alone.
    EXPECT_EQ(fs::status(root / "config" / "Numora" / "Numora.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fs::status(root / "config" / "Numora").permissions(), fs::perms::owner_all);
}

TEST_F(Persistence, ShutdownThenStartupKeepsMemoryRegistersAndData) {
    {
        Calculator calc;
        SessionStores stores(store, folder);
        RunStartupSteps(calc, stores);
        calc.memory.MemoryValue = 2.5;
        calc.memory.MemoryRegisters[6] = {4.0, "Width"};
        calc.statistics.StatData.AppendValue(3);
        RunShutdownSteps(calc, stores);
    }
    Calculator calc;
    SessionStores stores(store, folder);
    RunStartupSteps(calc, stores);
    EXPECT_EQ(calc.memory.MemoryValue, 2.5);
    EXPECT_EQ(calc.panel.Mem_Indicator, "MEM");
    EXPECT_EQ(calc.memory.MemoryRegisters[6], (MemoryRegister{4.0, "Width"}));
    EXPECT_EQ(calc.statistics.StatData.Values(), std::vector<double>{3});
    EXPECT_TRUE(calc.modes.DegreeMode);
    EXPECT_EQ(calc.panel.DisplayBox, "0.");
}

TEST_F(Persistence, FirstShutdownWritesTheEmptyFiles) {
    Calculator calc;
    SessionStores stores(store, folder);
    RunStartupSteps(calc, stores);
    RunShutdownSteps(calc, stores);
    EXPECT_EQ(fs::file_size(folder / kRegisterFileName), 1000u);
    EXPECT_EQ(fs::file_size(folder / kDataFileName), 2u);
}

TEST_F(Persistence, MemoryTextThatIsNoNumberLeavesZeroAndStartupGoesOn) {
    store.Write(FolderApplicationName(folder), "Setting", "MemoryIn", "abc");
    RegisterBank bank{};
    bank[0].Value = 9;
    StoredFile file(folder / kRegisterFileName);
    SaveRegisterFile(bank, file, SaveWhen::Always, nullptr);
    Calculator calc;
    calc.memory.MemoryValue = 5;
    SessionStores stores(store, folder);
    RunStartupSteps(calc, stores);
    EXPECT_EQ(calc.memory.MemoryValue, 0.0);
    EXPECT_EQ(calc.panel.Mem_Indicator, "");
    EXPECT_EQ(calc.memory.MemoryRegisters[0].Value, 9.0);
}

// Runs start-up with the folder, stores `memory` and closes; then gives what the next start reads.
double MemoryAcrossRestart(QtSettingsStore& store, const fs::path& folder, double memory, const fs::path& readFrom) {
    {
        Calculator calc;
        SessionStores stores(store, folder);
        RunStartupSteps(calc, stores);
        calc.memory.MemoryValue = memory;
        RunShutdownSteps(calc, stores);
    }
    Calculator calc;
    SessionStores stores(store, readFrom);
    RunStartupSteps(calc, stores);
    return calc.memory.MemoryValue;
}

TEST_F(Persistence, EachFolderKeepsItsOwnMemory) {
    fs::create_directories(root / "second");
    EXPECT_EQ(MemoryAcrossRestart(store, folder, 1, folder.string() + "/"), 1.0);
    EXPECT_EQ(MemoryAcrossRestart(store, root / "second", 2, root / "second" / ".." / "second"), 2.0);
    Calculator calc;
    SessionStores stores(store, folder);
    stores.LoadMemory(calc);
    EXPECT_EQ(calc.memory.MemoryValue, 1.0);
}

TEST_F(Persistence, MemoryOfALongFolderPathSurvivesARestart) {
    fs::path deep = root;
    while (deep.string().size() < 300) deep /= "データ保存フォルダ";
    fs::create_directories(deep);
    EXPECT_EQ(MemoryAcrossRestart(store, deep, 2.5, deep), 2.5);
}

TEST_F(Persistence, MemoryStoredByEarlierVersionsIsStillRead) {
    const auto application = FolderApplicationName(folder);
    const fs::path old = QtSettingsStore::FileOf(application);
    fs::create_directories(old.parent_path());
    std::ofstream(old) << "[Setting]\nMemoryIn=4.5\n";
    Calculator calc;
    SessionStores stores(store, folder);
    stores.LoadMemory(calc);
    EXPECT_EQ(calc.memory.MemoryValue, 4.5);
    // Cleared now, it stays cleared: the old file is not read again.
    EXPECT_EQ(MemoryAcrossRestart(store, folder, 0, folder), 0.0);
}

// A script that runs in a new folder each time leaves the settings file as it was; folders with
// a memory are kept up to the bound, the newest, and a folder that is gone loses its entry.
TEST_F(Persistence, FoldersDoNotGrowTheSettingsFile) {
    const fs::path shared = QtSettingsStore::FileOf("Numora");
    const auto runIn = [&](const fs::path& dir, double memory) {
        fs::create_directories(dir);
        Calculator calc;
        SessionStores stores(store, dir);
        stores.LoadMemory(calc);
        calc.memory.MemoryValue = memory;
        stores.SaveAll(calc);
    };
    runIn(root / "kept", 1.5);
    const auto written = fs::last_write_time(shared);
    for (int i = 0; i < 50; ++i) runIn(root / ("temp" + std::to_string(i)), 0);
    runIn(root / "kept", 1.5);
    EXPECT_EQ(fs::last_write_time(shared), written) << "a run that changed nothing wrote the file";

    for (int i = 0; i < QtSettingsStore::kMaxFolders + 20; ++i) runIn(root / ("used" + std::to_string(i)), i + 1);
    const auto size = fs::file_size(shared);
    fs::remove_all(root / "used0");
    fs::remove_all(root / ("used" + std::to_string(QtSettingsStore::kMaxFolders + 19)));
    runIn(root / "last", 9);
    EXPECT_LE(fs::file_size(shared), size);
    EXPECT_EQ(MemoryAcrossRestart(store, root / "last", 9, root / "last"), 9.0);
    const fs::path recent = root / ("used" + std::to_string(QtSettingsStore::kMaxFolders + 10));
    EXPECT_EQ(MemoryAcrossRestart(store, recent, 7, recent), 7.0);
    EXPECT_EQ(store.Read(FolderApplicationName(root / "kept"), "Setting", "MemoryIn", "none"), "none");
}

// Neither a pipe at the settings file's name nor a lock file left empty by a kill may hold up
// start-up or shutdown: a watchdog ends the test instead of a hang (QSettings would wait 30 s
// for the lock, for ever for the pipe).
TEST_F(Persistence, PipeAtTheSettingsFileAndAnEmptyLockFileDoNotStall) {
    ::alarm(20);
    const fs::path shared = QtSettingsStore::FileOf("Numora");
    fs::create_directories(shared.parent_path());
    ASSERT_EQ(::mkfifo(shared.c_str(), 0600), 0);
    EXPECT_EQ(store.Read("Numora", "NumoraSetting", "ReadOutLoud", "0"), "0");
    EXPECT_FALSE(store.Write("Numora", "NumoraSetting", "ReadOutLoud", "1"));
    fs::remove(shared);

    // Left a moment ago, and met first by a read, as at the start after a kill.
    const fs::path lock = fs::path(shared) += ".lock";
    std::ofstream{lock};
    EXPECT_EQ(store.Read("Numora", "NumoraSetting", "ReadOutLoud", "0"), "0");
    std::ofstream{lock};
    EXPECT_TRUE(store.Write("Numora", "NumoraSetting", "ReadOutLoud", "1"));
    EXPECT_EQ(store.Read("Numora", "NumoraSetting", "ReadOutLoud", "0"), "1");
    ::alarm(0);
}

TEST_F(Persistence, ProgramFolderChoice) {
    EXPECT_EQ(ChooseProgramFolder(std::string((root / "named" / "deep").string()), folder), root / "named" / "deep");
    EXPECT_TRUE(fs::is_directory(root / "named" / "deep"));
    // The program's folder only holds the files of a portable copy; it is never written to.
    EXPECT_EQ(ChooseProgramFolder(std::nullopt, folder), root / "data" / "Numora");
    EXPECT_TRUE(fs::is_directory(root / "data" / "Numora"));
    EXPECT_TRUE(fs::is_empty(folder));
    std::ofstream(folder / kRegisterFileName) << "";
    EXPECT_EQ(ChooseProgramFolder(std::nullopt, folder), root / "data" / "Numora");
    std::ofstream(folder / kDataFileName) << "";
    EXPECT_EQ(ChooseProgramFolder(std::nullopt, folder), folder);
}

}  // namespace
