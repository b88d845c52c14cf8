// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/calculator.h"
#include "memory/recording_messages.h"
#include "stats/data_file.h"
#include "support/key_driver.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

namespace {

using Bytes = std::vector<unsigned char>;
namespace fs = std::filesystem;

// An independent writer: cells laid out by hand.
void Put(Bytes& out, std::uint64_t v, int size) {
    for (int i = 0; i < size; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
Bytes ArrayHeader(std::uint32_t count, std::uint16_t dims = 1, std::uint32_t lowerBound = 0) {
    Bytes out;
    Put(out, 0x200C, 2);
    Put(out, dims, 2);
    Put(out, count, 4);
    Put(out, lowerBound, 4);
    return out;
}
Bytes DoubleCell(double v) {
    Bytes out;
    Put(out, 5, 2);
    Put(out, std::bit_cast<std::uint64_t>(v), 8);
    return out;
}
Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(DataFile, ThreeKeyedValuesMakeTheFortyTwoByteFile) {
    Calculator calc;
    StartCalculator(calc);
    PressKeys(calc, "2 Data 4 Data 9 Data");
    const Bytes expected = Join({ArrayHeader(3), DoubleCell(2), DoubleCell(4), DoubleCell(9)});
    ASSERT_EQ(expected.size(), 42u);
    EXPECT_EQ(EncodeDataFile(calc.statistics.StatData), expected);
}

TEST(DataFile, EmptyStatesWriteTheirShortForms) {
    EXPECT_EQ(EncodeDataFile(DataSetCell{}), (Bytes{0, 0}));
    EXPECT_EQ(EncodeDataFile(DataSetCell::EmptyText()), (Bytes{8, 0, 0, 0}));
}

struct DecodeCase {
    const char* name;
    Bytes bytes;
    DataSetCell::Kind kind;
    std::vector<double> values;  // read before any damage
    int fault;  // 0 = none
};

class DataFileDecode : public ::testing::TestWithParam<DecodeCase> {};

using K = DataSetCell::Kind;

INSTANTIATE_TEST_SUITE_P(
    Files, DataFileDecode,
    ::testing::Values(
        DecodeCase{"ZeroBytesIsEmpty", {}, K::Empty, {}, 0}, DecodeCase{"EmptyCell", {0, 0}, K::Empty, {}, 0},
        DecodeCase{"EmptyText", {8, 0, 0, 0}, K::EmptyText, {}, 0},
        DecodeCase{"Values", Join({ArrayHeader(2), DoubleCell(1.5), DoubleCell(-3)}), K::Values, {1.5, -3}, 0},
        DecodeCase{"HalfATag", {0x0C}, K::Empty, {}, kFaultPastEnd},
        DecodeCase{"TruncatedHeader", Bytes{0x0C, 0x20, 1, 0, 3}, K::Empty, {}, kFaultPastEnd},
        DecodeCase{"TruncatedInsideAValue",
                   Join({ArrayHeader(3), DoubleCell(2), Bytes{5, 0, 1, 2}}),
                   K::Values,
                   {2},
                   kFaultPastEnd},
        DecodeCase{
            "TwoBillionElements", Join({ArrayHeader(2000000000u), DoubleCell(4)}), K::Values, {4}, kFaultPastEnd},
        DecodeCase{
            "Infinity", Join({ArrayHeader(2), DoubleCell(1), DoubleCell(1E308 * 10)}), K::Values, {1}, kFaultBadValue},
        DecodeCase{"ValueBeyondTheCount",
                   Join({ArrayHeader(1), DoubleCell(1), DoubleCell(2)}),
                   K::Values,
                   {1},
                   kFaultBadRecord},
        DecodeCase{"BytesAfterTheEmptyText", {8, 0, 0, 0, 0}, K::EmptyText, {}, kFaultBadRecord},
        DecodeCase{"UnknownTag", Bytes{7, 0, 1, 2, 3, 4}, K::Empty, {}, kFaultCellType},
        DecodeCase{"LoneDouble", DoubleCell(4), K::Empty, {}, kFaultCellType},
        DecodeCase{"NonEmptyText", Bytes{8, 0, 1, 0, 'x'}, K::Empty, {}, kFaultCellType},
        DecodeCase{"TextInsideTheArray",
                   Join({ArrayHeader(3), DoubleCell(1), Bytes{8, 0, 1, 0, '5'}, DoubleCell(2)}),
                   K::Values,
                   {1},
                   kFaultCellType},
        DecodeCase{"TwoDimensions", Join({ArrayHeader(1, 2), DoubleCell(1)}), K::Empty, {}, kFaultBadRecord},
        DecodeCase{"LowerBoundOne", Join({ArrayHeader(1, 1, 1), DoubleCell(1)}), K::Empty, {}, kFaultBadRecord}),
    RowName<DecodeCase>);

TEST_P(DataFileDecode, ReadsWhatIsThereAndNamesTheDamage) {
    const DecodeCase& c = GetParam();
    const DataFileContent read = DecodeDataFile(c.bytes);
    EXPECT_EQ(read.data.kind(), c.kind);
    EXPECT_EQ(read.data.Values(), c.values);
    EXPECT_EQ(read.fault ? read.fault->Number : 0, c.fault);
}

class DataFileOnDisk : public TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        path = folder / kDataFileName;
    }
    void Write(const Bytes& bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    Bytes Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    fs::path path;
};

TEST_F(DataFileOnDisk, DamagedFileKeepsItsValuesAndIsSetAside) {
    const Bytes damaged = Join({ArrayHeader(2000000000u), DoubleCell(4), DoubleCell(5)});
    Write(damaged);
    RecordingMessages messages;
    DataSetCell data;
    StoredFile file(path);
    EXPECT_FALSE(LoadDataFile(data, file, &messages));
    EXPECT_EQ(data.Values(), (std::vector<double>{4, 5}));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(Read(fs::path(path) += ".bad"), damaged);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Warning:|Error No. 62:  " + path.string() +
                                     ": Input past end of file in value 3; the file was kept as " + path.string() +
                                     ".bad");
}

TEST_F(DataFileOnDisk, SaveAndLoadRoundTrip) {
    DataSetCell data;
    for (double v : {0.1, -2.5, 1E-20}) data.AppendValue(v);
    RecordingMessages messages;
    StoredFile file(path);
    SaveDataFile(data, file, SaveWhen::Changed, &messages);
    DataSetCell back;
    StoredFile again(path);
    LoadDataFile(back, again, &messages);
    EXPECT_EQ(back, data);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
