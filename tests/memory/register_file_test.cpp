// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/ansi_text.h"
#include "memory/recording_messages.h"
#include "memory/register_file.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

namespace {

using Bytes = std::vector<unsigned char>;
namespace fs = std::filesystem;

// An independent writer: the record laid out by hand.
void AddRecord(Bytes& out, double value, const std::string& ansiText) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<unsigned char>(bits >> (8 * i)));
    out.push_back(static_cast<unsigned char>(ansiText.size() & 0xFF));
    out.push_back(static_cast<unsigned char>(ansiText.size() >> 8));
    out.insert(out.end(), ansiText.begin(), ansiText.end());
}

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TEST(RegisterFile, ClearedBankIsAThousandZeroBytes) { EXPECT_EQ(EncodeRegisterFile(RegisterBank{}), Bytes(1000, 0)); }

TEST(RegisterFile, HandWrittenRecordsLoadWithValuesAndDescriptions) {
    Bytes file;
    AddRecord(file, 2.5, "Width");
    AddRecord(file, -1E-20, "\x80 \x8A\x9F caf\xE9");  // Euro, S caron, Y diaeresis, e acute
    AddRecord(file, 0.0, "");
    AddRecord(file, 12345678901234.0, std::string(300, 'x'));
    const RegisterFileContent read = DecodeRegisterFile(file);
    EXPECT_FALSE(read.fault);
    EXPECT_EQ(read.registers[0].Value, 2.5);
    EXPECT_EQ(read.registers[0].Description, "Width");
    EXPECT_EQ(read.registers[1].Value, -1E-20);
    EXPECT_EQ(read.registers[1].Description, "\u20AC \u0160\u0178 caf\u00E9");
    EXPECT_EQ(read.registers[3].Description, std::string(300, 'x'));
    EXPECT_EQ(read.registers[4].Value, 0.0);
    // Written back, the same bytes come out, then the cleared records of the rest.
    Bytes expected = file;
    for (int i = 4; i < kRegisterCount; ++i) AddRecord(expected, 0.0, "");
    EXPECT_EQ(EncodeRegisterFile(read.registers), expected);
}

TEST(AnsiText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToAnsi("\u00E9\u20AC\u0416\U0001F600"), "\xE9\x80??");
    EXPECT_EQ(Utf8ToAnsi("a\xFF"
                         "b\xC3"),
              "a?b?");  // broken UTF-8
    EXPECT_EQ(AnsiToUtf8("\x81\x8D"), "\u0081\u008D");
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8("\x81\x8D\x8F\x90\x9D")), "\x81\x8D\x8F\x90\x9D");
}

TEST(RegisterFile, OverlongDescriptionIsCutToTheLengthField) {
    RegisterBank bank{};
    bank[0].Description = std::string(70000, 'd');
    const RegisterFileContent read = DecodeRegisterFile(EncodeRegisterFile(bank));
    EXPECT_FALSE(read.fault);
    EXPECT_EQ(read.registers[0].Description.size(), 65535u);
}

struct DamageCase {
    const char* name;
    Bytes bytes;
    bool damaged;
    int registersKept;  // registers read with their value 7
};

class RegisterFileDamage : public ::testing::TestWithParam<DamageCase> {};

Bytes Records(int count) {
    Bytes out;
    for (int i = 0; i < count; ++i) AddRecord(out, 7.0, "seven");
    return out;
}

Bytes Append(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Files, RegisterFileDamage,
    ::testing::Values(DamageCase{"Empty", {}, false, 0},
                      DamageCase{"ShortFileFillsTheFirstRegisters", Records(3), false, 3},
                      DamageCase{"EndsInsideAValue", Append(Records(2), Bytes(5, 1)), true, 2},
                      DamageCase{"EndsInsideTheLength", Append(Records(1), Bytes(9, 0)), true, 1},
                      DamageCase{"LengthPastTheEnd", Append(Records(4), Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 'a'}),
                                 true, 4}),
    RowName<DamageCase>);

TEST_P(RegisterFileDamage, KeepsWhatWasReadBeforeTheDamage) {
    const DamageCase& c = GetParam();
    const RegisterFileContent read = DecodeRegisterFile(c.bytes);
    EXPECT_EQ(read.fault.has_value(), c.damaged);
    if (read.fault) {
        EXPECT_EQ(read.fault->Number, kFaultPastEnd);
    }
    for (int i = 0; i < kRegisterCount; ++i) {
        EXPECT_EQ(read.registers[i].Value, i < c.registersKept ? 7.0 : 0.0) << i;
        EXPECT_EQ(read.registers[i].Description, i < c.registersKept ? "seven" : "") << i;
    }
}

using RegisterFileOnDisk = TempFolder;

TEST_F(RegisterFileOnDisk, DamagedFileIsSetAsideAndWarnedAbout) {
    const fs::path path = folder / kRegisterFileName;
    const Bytes damaged = Append(Records(2), Bytes(5, 1));
    WriteBytes(path, damaged);
    RecordingMessages messages;
    RegisterBank bank{};
    bank[50].Value = 9;  // a load replaces the whole bank
    StoredFile file(path);
    EXPECT_FALSE(LoadRegisterFile(bank, file, &messages));
    EXPECT_EQ(bank[1].Value, 7.0);
    EXPECT_EQ(bank[2].Value, 0.0);
    EXPECT_EQ(bank[50].Value, 0.0);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(ReadBytes(fs::path(path) += ".bad"), damaged);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Warning:|Error No. 62:  " + path.string() +
                                     ": Input past end of file in the record of Reg-003; the file was kept as " +
                                     path.string() + ".bad");
}

TEST_F(RegisterFileOnDisk, MissingFileGivesAClearedBankWithoutWarning) {
    RecordingMessages messages;
    RegisterBank bank{};
    bank[0].Value = 3;
    StoredFile file(folder / kRegisterFileName);
    EXPECT_FALSE(LoadRegisterFile(bank, file, &messages));
    EXPECT_EQ(bank[0].Value, 0.0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RegisterFileOnDisk, SaveReplacesTheFileAndLeavesNoTemporary) {
    const fs::path path = folder / kRegisterFileName;
    WriteBytes(path, Records(100));
    RegisterBank bank{};
    bank[99].Value = 1;
    RecordingMessages messages;
    StoredFile file(path);
    SaveRegisterFile(bank, file, SaveWhen::Changed, &messages);
    EXPECT_EQ(ReadBytes(path), EncodeRegisterFile(bank));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RegisterFileOnDisk, SaveIntoReadOnlyFolderLeavesTheOldFileIntactAndSaysWhy) {
    const fs::path path = folder / kRegisterFileName;
    const Bytes old = Records(100);
    WriteBytes(path, old);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(folder / "probe")) GTEST_SKIP() << "permissions do not bind this user";
    RecordingMessages messages;
    StoredFile file(path);
    SaveRegisterFile(RegisterBank{}, file, SaveWhen::Changed, &messages);
    SaveRegisterFile(RegisterBank{}, file, SaveWhen::Changed, &messages);  // warned about once
    EXPECT_EQ(ReadBytes(path), old);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(
        messages.shown[0].find(path.string() + ": cannot create a temporary file in the folder (Permission denied)"),
        std::string::npos);
}

}  // namespace
