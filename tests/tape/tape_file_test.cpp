// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/stat.h>

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
    StoredFile file(folder / kTapeFileName);
    RecordingMessages messages;
    SaveTapeFile(tape, file, SaveWhen::Always, &messages);
    struct stat info {};
    ASSERT_EQ(stat(file.path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    PaperTape loaded;
    StoredFile again(folder / kTapeFileName);
    EXPECT_FALSE(LoadTapeFile(loaded, again, &messages));
    EXPECT_EQ(loaded.Lines(), tape.Lines());
    EXPECT_TRUE(loaded.LinesOfThisRun().empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TapeFileOnDisk, OversizedFileIsSetAsideWithTheLinesItHeld) {
    {
        std::ofstream out(folder / kTapeFileName, std::ios::binary);
        const std::string line = std::string(kMaxTapeLineBytes - 1, '7') + "\n";
        for (std::size_t n = 0; n <= kMaxTapeFileBytes / line.size() + 1; ++n) out << line;
    }
    PaperTape tape;
    StoredFile file(folder / kTapeFileName);
    RecordingMessages messages;
    EXPECT_FALSE(LoadTapeFile(tape, file, &messages));
    EXPECT_EQ(tape.Lines().size(), kMaxTapeLines);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(folder / (std::string(kTapeFileName) + ".bad")));
}

}  // namespace
