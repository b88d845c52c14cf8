// SPDX-License-Identifier: MIT
// The data files' load and save against what a careless or hostile folder can hold: links and
// pipes at the names, private modes, huge, trailing and non-finite content, blocked ".bad"
// names, an unreadable file, a full disk and two savers at once. Each case checks that nothing
// stored is lost and that nothing outside the folder changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/stored_file.h"
#include "memory/recording_messages.h"
#include "memory/register_file.h"
#include "stats/data_file.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

namespace {

using Bytes = std::vector<unsigned char>;
namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

Bytes ReadBytes(const fs::path& path, std::size_t limit = 1 << 20) {
    std::ifstream in(path, std::ios::binary);
    Bytes out(limit);
    in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(limit));
    out.resize(static_cast<std::size_t>(in.gcount()));
    return out;
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// What a folder holds, without following links: a link's target, "pipe", "folder", or a
// file's size and first bytes.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const auto status = entry.symlink_status();
        std::string what;
        if (fs::is_symlink(status)) what = "link to " + fs::read_symlink(entry.path()).string();
        else if (fs::is_fifo(status)) what = "pipe";
        else if (fs::is_directory(status)) what = "folder";
        else {
            const Bytes head = ReadBytes(entry.path(), 4096);
            what = std::to_string(fs::file_size(entry.path())) + ":" + std::string(head.begin(), head.end());
        }
        entries[entry.path().filename().string()] = what;
    }
    return entries;
}

RegisterBank StoredBank() {
    RegisterBank bank{};
    bank[0] = {7.0, "seven"};
    return bank;
}

DataSetCell StoredData() { return DataSetCell::FromValues({1.5, -3}); }

// One of the two files as the table drives it: what is stored, its load, and a changed state.
struct FileKind {
    const char* name;
    Bytes stored;
    Bytes empty;
    Bytes changed;
    std::function<Bytes(StoredFile&, MessageService*)> loadAndEncode;
};

const FileKind& Registers() {
    static const FileKind kind{kRegisterFileName, EncodeRegisterFile(StoredBank()), EncodeRegisterFile(RegisterBank{}),
                               [] {
                                   RegisterBank bank = StoredBank();
                                   bank[1] = {5.0, "five"};
                                   return EncodeRegisterFile(bank);
                               }(),
                               [](StoredFile& file, MessageService* messages) {
                                   RegisterBank bank{};
                                   LoadRegisterFile(bank, file, messages);
                                   return EncodeRegisterFile(bank);
                               }};
    return kind;
}

const FileKind& Data() {
    static const FileKind kind{kDataFileName, EncodeDataFile(StoredData()), EncodeDataFile(DataSetCell{}),
                               EncodeDataFile(DataSetCell::FromValues({1.5, -3, 9})),
                               [](StoredFile& file, MessageService* messages) {
                                   DataSetCell data;
                                   LoadDataFile(data, file, messages);
                                   return EncodeDataFile(data);
                               }};
    return kind;
}

Bytes DataCells(std::uint32_t count, const std::vector<double>& values) {
    Bytes out{0x0C, 0x20, 1, 0};
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(count >> (8 * i)));
    out.insert(out.end(), 4, 0);
    for (double v : values) {
        out.push_back(5);
        out.push_back(0);
        const auto bits = std::bit_cast<std::uint64_t>(v);
        for (int i = 0; i < 8; ++i) out.push_back(static_cast<unsigned char>(bits >> (8 * i)));
    }
    return out;
}

struct Place {
    fs::path folder;
    fs::path file;
    fs::path outside;  // a private file of the user's beyond the folder
};

enum class Loads { Stored, Nothing };

struct LayerCase {
    const char* name;
    const FileKind& (*kind)();
    std::function<void(const Place&)> plant;
    Loads loads;
    const char* warning;  // part of the one warning shown by the load; "" for none
    bool savedOver;  // false: the file is kept as found for the rest of the run
    mode_t mode = 0;  // the saved file's permissions, when they matter
};

void ReplaceWithLink(const Place& p) {
    fs::remove(p.file);
    fs::create_symlink(p.outside, p.file);
}
void ReplaceWithPipe(const Place& p) {
    fs::remove(p.file);
    ASSERT_EQ(::mkfifo(p.file.c_str(), 0600), 0);
}
void LinkAtOldTemporaryName(const Place& p) { fs::create_symlink(p.outside, fs::path(p.file) += ".tmp"); }
void PipeAtOldTemporaryName(const Place& p) { ASSERT_EQ(::mkfifo((fs::path(p.file) += ".tmp").c_str(), 0600), 0); }
void AppendBytes(const Place& p) { std::ofstream(p.file, std::ios::binary | std::ios::app) << "xyz"; }
void BlockBadNames(const Place& p, int count) {
    for (int n = 0; n < count; ++n)
        fs::create_directories(fs::path(p.file) +=
                               (n == 0 ? std::string(".bad") : ".bad." + std::to_string(n)) + "/kept");
}

void GiveFolderToNobody(const Place& p) {
    if (::geteuid() != 0) return;
    ASSERT_EQ(::chown(p.folder.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(p.file.c_str(), kNobody, kNobody), 0);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class FileLayer : public ::testing::TestWithParam<LayerCase> {
protected:
    void SetUp() override {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        root = fs::temp_directory_path() / ("numora-layer-" + name);
        fs::remove_all(root);
        fs::create_directories(root / "folder");
        fs::create_directories(root / "outside");
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path root;
};

TEST_P(FileLayer, NothingStoredIsLostAndNothingOutsideChanges) {
    const LayerCase& c = GetParam();
    const FileKind& kind = c.kind();
    const Place place{root / "folder", root / "folder" / kind.name, root / "outside" / "private"};
    WriteBytes(place.outside, kind.changed);  // a valid file of the same kind: must never be read
    ::chmod(place.outside.c_str(), 0600);
    WriteBytes(place.file, kind.stored);
    ::chmod(place.file.c_str(), 0644);
    c.plant(place);
    const auto folderBefore = Snapshot(place.folder);
    const auto outsideBefore = Snapshot(root / "outside");

    StoredFile file(place.file);
    RecordingMessages messages;
    EXPECT_EQ(kind.loadAndEncode(file, &messages), c.loads == Loads::Stored ? kind.stored : kind.empty);
    if (*c.warning) {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_NE(messages.shown[0].find(c.warning), std::string::npos) << messages.shown[0];
        EXPECT_NE(messages.shown[0].find(place.file.string()), std::string::npos) << messages.shown[0];
    } else {
        EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();
    }
    const auto folderLoaded = Snapshot(place.folder);

    SaveStoredFile(file, kind.changed, SaveWhen::Always, &messages);
    EXPECT_EQ(messages.shown.size(), *c.warning ? 1u : 0u);
    const auto folderAfter = Snapshot(place.folder);
    if (c.savedOver) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(place.file)));
        EXPECT_EQ(ReadBytes(place.file), kind.changed);
        struct stat savedFile {
        }, folder{};
        ASSERT_EQ(::stat(place.file.c_str(), &savedFile), 0);
        ASSERT_EQ(::stat(place.folder.c_str(), &folder), 0);
        EXPECT_EQ(savedFile.st_uid, folder.st_uid);
        if (c.mode) {
            EXPECT_EQ(fs::status(place.file).permissions() & fs::perms::all, fs::perms(c.mode));
        }
    } else {
        EXPECT_EQ(folderAfter, folderLoaded);
    }
    // Whatever stood in the folder is still there, at its name or, for a damaged file, at a
    // ".bad" name; a clean file's values went into the save.
    for (const auto& [name, what] : folderBefore) {
        if (name == kind.name && c.loads == Loads::Stored && !*c.warning) continue;
        bool kept = folderAfter.contains(name) && folderAfter.at(name) == what;
        for (const auto& [afterName, afterWhat] : folderAfter)
            kept = kept || (afterName.starts_with(name + ".bad") && afterWhat == what);
        EXPECT_TRUE(kept) << name << " was " << what;
    }
    for (const auto& [name, what] : folderAfter)
        EXPECT_TRUE(folderBefore.contains(name) || name == kind.name ||
                    name.starts_with(std::string(kind.name) + ".bad"))
            << "left behind: " << name;
    EXPECT_EQ(Snapshot(root / "outside"), outsideBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FileLayer,
    ::testing::Values(
        LayerCase{"RegisterLinkAtTheTemporaryName", Registers, LinkAtOldTemporaryName, Loads::Stored, "", true, 0644},
        LayerCase{"RegisterPipeAtTheTemporaryName", Registers, PipeAtOldTemporaryName, Loads::Stored, "", true},
        LayerCase{"RegisterLinkAtTheFileName", Registers, ReplaceWithLink, Loads::Nothing, "not a plain file", true,
                  0600},
        LayerCase{"RegisterPipeAtTheFileName", Registers, ReplaceWithPipe, Loads::Nothing, "not a plain file", true,
                  0600},
        // Root on a user's folder: the user's file is read, and the saved one stays the user's.
        LayerCase{"FolderOfAnotherUser", Registers, GiveFolderToNobody, Loads::Stored, "", true, 0644},
        LayerCase{"PrivateModeIsKept", Registers, [](const Place& p) { ::chmod(p.file.c_str(), 0600); }, Loads::Stored,
                  "", true, 0600},
        LayerCase{"NewFileIsPrivate", Registers, [](const Place& p) { fs::remove(p.file); }, Loads::Nothing, "", true,
                  0600},
        LayerCase{"OneGigabyte", Registers, [](const Place& p) { fs::resize_file(p.file, 1u << 30); }, Loads::Stored,
                  "larger than the largest file of its kind (6554500 bytes)", true},
        LayerCase{"BytesAfterTheLastRecord", Registers, AppendBytes, Loads::Stored, "3 bytes after the last record",
                  true},
        LayerCase{"BadNameBlocked", Registers,
                  [](const Place& p) {
                      AppendBytes(p);
                      BlockBadNames(p, 1);
                  },
                  Loads::Stored, "kept as", true},
        LayerCase{"EveryBadNameBlocked", Registers,
                  [](const Place& p) {
                      AppendBytes(p);
                      BlockBadNames(p, 100);
                  },
                  Loads::Stored, "will not be saved over", false},
        LayerCase{"RegisterNotANumber", Registers,
                  [](const Place& p) {
                      RegisterBank bank = StoredBank();
                      bank[1].Value = kNaN;
                      WriteBytes(p.file, EncodeRegisterFile(bank));
                  },
                  Loads::Stored, "not a finite number", true},
        LayerCase{"DataLinkAtTheTemporaryName", Data, LinkAtOldTemporaryName, Loads::Stored, "", true},
        LayerCase{"DataPipeAtTheTemporaryName", Data, PipeAtOldTemporaryName, Loads::Stored, "", true},
        LayerCase{"DataLinkAtTheFileName", Data, ReplaceWithLink, Loads::Nothing, "not a plain file", true, 0600},
        LayerCase{"DataPipeAtTheFileName", Data, ReplaceWithPipe, Loads::Nothing, "not a plain file", true},
        LayerCase{"DataNotANumber", Data,
                  [](const Place& p) {
                      WriteBytes(p.file, DataCells(3, {1.5, -3, kNaN}));
                  },
                  Loads::Stored, "value 3 is not a finite number", true},
        LayerCase{"DataInfinity", Data,
                  [](const Place& p) {
                      WriteBytes(p.file, DataCells(3, {1.5, -3, kInf}));
                  },
                  Loads::Stored, "not a finite number", true},
        LayerCase{"DataMinusInfinity", Data,
                  [](const Place& p) {
                      WriteBytes(p.file, DataCells(3, {1.5, -3, -kInf}));
                  },
                  Loads::Stored, "not a finite number", true},
        LayerCase{"DataValueBeyondTheCount", Data,
                  [](const Place& p) {
                      WriteBytes(p.file, DataCells(2, {1.5, -3, 4}));
                  },
                  Loads::Stored, "10 bytes after the data set", true},
        LayerCase{"DataTooLarge", Data, [](const Place& p) { fs::resize_file(p.file, kMaxDataFileBytes + 1); },
                  Loads::Stored, "larger than", true}),
    RowName<LayerCase>);

// Runs `body` in a child process, as user 65534 when this one is root, and gives its exit
// status; 77 when the user could not be changed.
int InChildProcess(bool unprivileged, const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (unprivileged && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
             ::setresuid(kNobody, kNobody, kNobody) != 0))
            ::_exit(77);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

class FileLayerOnDisk : public TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        path = folder / kRegisterFileName;
    }
    fs::path path;
};

TEST_F(FileLayerOnDisk, UnreadableFileIsKeptAndNotSavedOver) {
    const Bytes stored = EncodeRegisterFile(StoredBank());
    WriteBytes(path, stored);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(folder.c_str(), kNobody, kNobody), 0);  // the file stays root's, mode 0600
    }
    ::chmod(path.c_str(), ::geteuid() == 0 ? 0600 : 0);
    const int status = InChildProcess(true, [&] {
        StoredFile file(path);
        RecordingMessages messages;
        RegisterBank bank{};
        LoadRegisterFile(bank, file, &messages);
        if (messages.shown.size() != 1) return 1;
        if (messages.shown[0].find("cannot read " + path.string() + " (Permission denied)") == std::string::npos)
            return 2;
        if (messages.shown[0].find("will not be saved over") == std::string::npos) return 3;
        bank[1].Value = 5;
        SaveRegisterFile(bank, file, SaveWhen::Always, &messages);
        return messages.shown.size() == 1 ? 0 : 4;
    });
    if (status == 77) GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(status, 0);
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(ReadBytes(path), stored);
    EXPECT_EQ(Snapshot(folder).size(), 1u);
}

TEST_F(FileLayerOnDisk, LoadOutOfMemoryKeepsTheFile) {
    const Bytes stored = EncodeRegisterFile(StoredBank());
    WriteBytes(path, stored);
    StoredFile file(path);
    RecordingMessages messages;
    RegisterBank bank{};
    EXPECT_TRUE(
        LoadStoredFile(file, bank, kMaxRegisterFileBytes, &messages,
                       [](const Bytes&, RegisterBank&) -> std::optional<FileFault> { throw std::bad_alloc(); }));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("(Cannot allocate memory); it stays as it is"), std::string::npos);
    SaveRegisterFile(bank, file, SaveWhen::Always, &messages);
    EXPECT_EQ(ReadBytes(path), stored);
}

TEST_F(FileLayerOnDisk, FullDiskLeavesTheOldFile) {
    const Bytes stored = EncodeRegisterFile(StoredBank());
    WriteBytes(path, stored);
    const int status = InChildProcess(false, [&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{512, 512};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 77;
        StoredFile file(path);
        RecordingMessages messages;
        RegisterBank bank = StoredBank();
        bank[1].Value = 5;
        SaveRegisterFile(bank, file, SaveWhen::Always, &messages);
        if (messages.shown.size() != 1) return 1;
        return messages.shown[0].find("cannot write the temporary file (File too large)") != std::string::npos ? 0 : 2;
    });
    if (status == 77) GTEST_SKIP() << "cannot limit the file size here";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(path), stored);
    EXPECT_EQ(Snapshot(folder).size(), 1u);
}

// A save killed before its rename leaves its temporary file; the next load removes such files
// once they are a minute old, and nothing else.
TEST_F(FileLayerOnDisk, StaleTemporariesOfTheFileGo) {
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    const struct {
        std::string name;
        bool old;
        bool stays;
    } files[] = {{path.filename().string() + ".tmp.Ab3dEf7h", true, false},
                 {path.filename().string() + ".tmp.Zz9yXx8w", false, true},  // a save in progress
                 {path.filename().string() + ".tmp.short", true, true},
                 {"SdfInput.sdf.tmp.Ab3dEf7h", true, true}};
    for (const auto& f : files) {
        WriteBytes(folder / f.name, {1, 2, 3});
        if (f.old) fs::last_write_time(folder / f.name, old);
    }
    StoredFile file(path);
    RegisterBank bank;
    LoadRegisterFile(bank, file, nullptr);
    for (const auto& f : files) EXPECT_EQ(fs::exists(folder / f.name), f.stays) << f.name;
}

TEST_F(FileLayerOnDisk, TwoSaversInOneFolder) {
    RegisterBank first{};
    first[0].Value = 1;
    RegisterBank second{};
    second[0] = {2, std::string(5000, 'd')};
    const Bytes a = EncodeRegisterFile(first);
    const Bytes b = EncodeRegisterFile(second);
    WriteBytes(path, a);
    RecordingMessages messagesA;
    RecordingMessages messagesB;
    auto saver = [&](const Bytes& bytes, RecordingMessages& messages) {
        StoredFile file(path);
        for (int i = 0; i < 200; ++i) SaveStoredFile(file, bytes, SaveWhen::Always, &messages);
    };
    std::thread one(saver, std::cref(a), std::ref(messagesA));
    std::thread two(saver, std::cref(b), std::ref(messagesB));
    int torn = 0;
    for (int i = 0; i < 200; ++i) {
        const Bytes seen = ReadBytes(path);
        torn += seen != a && seen != b;
    }
    one.join();
    two.join();
    EXPECT_EQ(torn, 0);
    EXPECT_TRUE(messagesA.shown.empty() && messagesB.shown.empty());
    const Bytes last = ReadBytes(path);
    EXPECT_TRUE(last == a || last == b);
    EXPECT_EQ(Snapshot(folder).size(), 1u);
}

}  // namespace
