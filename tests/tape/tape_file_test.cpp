// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>

#include "memory/recording_messages.h"
#include "support/row_name.h"
#include "support/temp_folder.h"
#include "tape/paper_tape.h"
#include "tape/tape_file.h"

namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::size_t lines;  // read before the damage
    bool damaged;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class TapeFileDecode : public ::testing::TestWithParam<DecodeCase> {};

INSTANTIATE_TEST_SUITE_P(Bytes, TapeFileDecode,
                         ::testing::Values(DecodeCase{"Empty", "", 0, false},
                                           DecodeCase{"LastLineUnended", "a\nb", 2, false},
                                           DecodeCase{"CarriageReturns", "a\r\nb\r\n", 2, false},
                                           DecodeCase{"TabAndLoneCarriageReturnAreText", "a\tb\rc\n", 1, false},
                                           DecodeCase{"Utf8Captions", "3\xC2\xB2 = 9.\n", 1, false},
                                           DecodeCase{"BrokenUtf8", "a\nb\xC2\n", 1, true},
                                           DecodeCase{"OverlongUtf8", "\xC0\xAF\n", 0, true},
                                           DecodeCase{"NulByte", std::string("a\n\0b\n", 5), 1, true},
                                           DecodeCase{"LineLongerThanTheTapeKeeps",
                                                      "a\n" + std::string(kMaxTapeLineBytes + 1, 'x'), 1, true}),
                         RowName<DecodeCase>);

TEST_P(TapeFileDecode, KeepsTheLinesBeforeAnyDamage) {
    const DecodeCase& c = GetParam();
    const TapeFileContent content =
        DecodeTapeFile({reinterpret_cast<const unsigned char*>(c.bytes.data()), c.bytes.size()});
    EXPECT_EQ(content.lines.size(), c.lines);
    EXPECT_EQ(content.fault.has_value(), c.damaged);
}

TEST(PaperTape, KeepsTheLastLinesAndTheEndOfALongOne) {
    PaperTape tape;
    for (int i = 0; i <= static_cast<int>(kMaxTapeLines); ++i) tape.Write(std::to_string(i));
    ASSERT_EQ(tape.Lines().size(), kMaxTapeLines);
    EXPECT_EQ(tape.Lines().front(), "1");
    std::string squares;
    for (std::size_t i = 0; i < kMaxTapeLineBytes / 2; ++i) squares += "\xC2\xB2";
    tape.Write(squares + " = 9.");
    EXPECT_LE(tape.Lines().back().size(), kMaxTapeLineBytes);
    EXPECT_TRUE(tape.Lines().back().ends_with(" = 9."));
    EXPECT_NE(static_cast<unsigned char>(tape.Lines().back()[4]) & 0xC0, 0x80u) << "cut inside a character";
}

// A description that is no UTF-8 (an older register file's) is written so that the tape's own
// loader reads it back.
TEST(PaperTape, WritesOnlyWhatItsLoaderReads) {
    PaperTape tape;
    tape.Write("Kin 7 Caf\xE9\tbar\xC2 = 5.");
    EXPECT_EQ(tape.Lines().back(), "Kin 7 Caf\xEF\xBF\xBD bar\xEF\xBF\xBD = 5.");
    const std::vector<unsigned char> bytes = EncodeTapeFile(tape);
    EXPECT_FALSE(DecodeTapeFile(bytes).fault.has_value());
}

class TapeFileOnDisk : public TempFolder {};

TEST_F(TapeFileOnDisk, SavedPrivateAndLoadedAgain) {
    PaperTape tape;
    tape.Write("2 + 3 x 4 = 14.");
    tape.Write("sin 30 = 0.5");
    TapeFile file(folder / kTapeFileName);
    RecordingMessages messages;
    SaveTapeFile(tape, file, SaveWhen::Always, &messages);
    struct stat info {};
    ASSERT_EQ(stat(file.stored.path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    PaperTape loaded;
    TapeFile again(folder / kTapeFileName);
    EXPECT_FALSE(LoadTapeFile(loaded, again, &messages));
    EXPECT_EQ(loaded.Lines(), tape.Lines());
    EXPECT_TRUE(loaded.LinesOfThisRun().empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TapeFileOnDisk, OversizedFileIsSetAsideWithItsNewestLines) {
    const std::size_t count = kMaxTapeFileBytes / (kMaxTapeLineBytes - 1) + 2;
    {
        std::ofstream out(folder / kTapeFileName, std::ios::binary);
        for (std::size_t n = 0; n < count; ++n) {
            const std::string number = std::to_string(n);
            out << std::string(kMaxTapeLineBytes - 1 - number.size(), '7') << number << "\n";
        }
    }
    PaperTape tape;
    TapeFile file(folder / kTapeFileName);
    RecordingMessages messages;
    EXPECT_FALSE(LoadTapeFile(tape, file, &messages));
    EXPECT_EQ(tape.Lines().size(), kMaxTapeLines);
    EXPECT_TRUE(tape.Lines().back().ends_with(std::to_string(count - 1)));
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(folder / (std::string(kTapeFileName) + ".bad")));
}

// The bytes this process has written so far (Linux counts them per process).
std::uint64_t BytesWritten() {
    std::ifstream io("/proc/self/io");
    std::string name;
    std::uint64_t value = 0;
    while (io >> name >> value)
        if (name == "wchar:") return value;
    return 0;
}

// Typing into a full tape writes each new line, not the whole tape again; the file is rewritten
// only when it holds twice the tape, and a load always gives the tape's own lines.
TEST_F(TapeFileOnDisk, FullTapeAppendsItsNewLines) {
    PaperTape tape;
    TapeFile file(folder / kTapeFileName);
    const auto step = [&](int i) {
        tape.Write("12345.678 + " + std::to_string(i) + " x 3.14159265358979 = " + std::to_string(i * 3) + ".");
        SaveTapeFile(tape, file, SaveWhen::Changed, nullptr);
    };
    for (int i = 0; i < static_cast<int>(kMaxTapeLines); ++i) tape.Write("line " + std::to_string(i));
    SaveTapeFile(tape, file, SaveWhen::Changed, nullptr);
    struct stat before {};
    ASSERT_EQ(stat(file.stored.path.c_str(), &before), 0);
    const std::uint64_t written = BytesWritten();
    for (int i = 0; i < 30; ++i) step(i);
    EXPECT_LT(BytesWritten() - written, 30u * 100u) << "more than the 30 lines were written";
    struct stat after {};
    ASSERT_EQ(stat(file.stored.path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced, not appended to";
    PaperTape loaded;
    TapeFile again(folder / kTapeFileName);
    EXPECT_FALSE(LoadTapeFile(loaded, again, nullptr));
    EXPECT_EQ(loaded.Lines(), tape.Lines());

    for (int i = 30; i < 2000; ++i) step(i);
    EXPECT_FALSE(LoadTapeFile(loaded, again, nullptr));
    EXPECT_EQ(loaded.Lines(), tape.Lines());
    EXPECT_LE(std::count(again.stored.onDisk->begin(), again.stored.onDisk->end(), '\n'), 2 * kMaxTapeLines);
}

}  // namespace
