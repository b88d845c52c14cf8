// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/calculator.h"
#include "memory/register_file.h"
#include "memory/session_steps.h"
#include "persist/program_folder.h"
#include "persist/qt_settings_store.h"
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
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            EXPECT_TRUE(entry.path().string().starts_with((root / "config" / "Numora").string())) << entry.path();
    EXPECT_TRUE(fs::exists(root / "config" / "Numora" / "Numora.ini"));
}

TEST_F(Persistence, ShutdownThenStartupKeepsMemoryRegistersAndData) {
    {
        Calculator calc;
        RunStartupSteps(calc, store, folder);
        calc.MemoryValue = 2.5;
        calc.MemoryRegisters[6] = {4.0, "Width"};
        calc.StatData.AppendValue(3);
        RunShutdownSteps(calc, store, folder);
    }
    Calculator calc;
    RunStartupSteps(calc, store, folder);
    EXPECT_EQ(calc.MemoryValue, 2.5);
    EXPECT_EQ(calc.panel.Mem_Indicator, "MEM");
    EXPECT_EQ(calc.MemoryRegisters[6], (MemoryRegister{4.0, "Width"}));
    EXPECT_EQ(calc.StatData.Values(), std::vector<double>{3});
    EXPECT_TRUE(calc.DegreeMode);
    EXPECT_EQ(calc.panel.DisplayBox, "0.");
}

TEST_F(Persistence, FirstShutdownWritesTheEmptyFiles) {
    Calculator calc;
    RunStartupSteps(calc, store, folder);
    RunShutdownSteps(calc, store, folder);
    EXPECT_EQ(fs::file_size(folder / kRegisterFileName), 1000u);
    EXPECT_EQ(fs::file_size(folder / kDataFileName), 2u);
}

TEST_F(Persistence, MemoryTextThatIsNoNumberLeavesZeroAndStartupGoesOn) {
    store.Write(FolderApplicationName(folder), "Setting", "MemoryIn", "abc");
    RegisterBank bank{};
    bank[0].Value = 9;
    SaveRegisterFile(bank, folder / kRegisterFileName, nullptr);
    Calculator calc;
    calc.MemoryValue = 5;
    RunStartupSteps(calc, store, folder);
    EXPECT_EQ(calc.MemoryValue, 0.0);
    EXPECT_EQ(calc.panel.Mem_Indicator, "");
    EXPECT_EQ(calc.MemoryRegisters[0].Value, 9.0);
}

TEST_F(Persistence, EachFolderKeepsItsOwnMemory) {
    fs::create_directories(root / "second");
    Calculator first;
    first.MemoryValue = 1;
    WriteMemorySetting(first, store, folder);
    Calculator second;
    second.MemoryValue = 2;
    WriteMemorySetting(second, store, root / "second");
    Calculator calc;
    ReadMemorySetting(calc, store, folder);
    EXPECT_EQ(calc.MemoryValue, 1.0);
    ReadMemorySetting(calc, store, folder.string() + "/");
    EXPECT_EQ(calc.MemoryValue, 1.0);
    ReadMemorySetting(calc, store, root / "second" / ".." / "second");
    EXPECT_EQ(calc.MemoryValue, 2.0);
}

TEST_F(Persistence, ProgramFolderChoice) {
    EXPECT_EQ(ChooseProgramFolder(std::string((root / "named" / "deep").string()), folder),
              root / "named" / "deep");
    EXPECT_TRUE(fs::is_directory(root / "named" / "deep"));
    EXPECT_EQ(ChooseProgramFolder(std::nullopt, folder), folder);
    // A folder where nothing can be created falls back to the per-user data folder.
    EXPECT_EQ(ChooseProgramFolder(std::nullopt, root / "missing"), root / "data" / "Numora");
    EXPECT_TRUE(fs::is_directory(root / "data" / "Numora"));
}

}  // namespace
