// SPDX-License-Identifier: MIT
#include "files/safe_save.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/folder_owner.h"

namespace {

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::string_view kTemporaryMark = ".tmp.";
constexpr std::size_t kTemporaryLetters = 8;

std::filesystem::path TemporaryName(const std::filesystem::path& path) {
    std::random_device random;
    std::string suffix(kTemporaryMark);
    for (std::size_t i = 0; i < kTemporaryLetters; ++i) suffix += kLetters[random() % (sizeof kLetters - 1)];
    auto temp = path;
    temp += suffix;
    return temp;
}

std::string Failure(const char* step) { return std::string(step) + " (" + std::strerror(errno) + ")"; }

bool WriteAll(int fd, std::span<const unsigned char> bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(put));
    }
    return true;
}

void FlushFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // the rename is done; a folder that cannot be flushed only loses durability
    ::close(fd);
}

}  // namespace

std::optional<std::string> SaveFileSafely(const std::filesystem::path& path, std::span<const unsigned char> bytes) {
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat old {};
    if (::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) mode = old.st_mode & 07777;

    std::filesystem::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = TemporaryName(path);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return Failure("cannot create a temporary file in the folder");

    const char* failedStep = nullptr;
    const std::optional<FileOwner> owner = OwnerToGive(path);
    if (!WriteAll(fd, bytes)) failedStep = "cannot write the temporary file";
    else if (owner && ::fchown(fd, owner->uid, owner->gid) != 0)
        failedStep = "cannot give the file to the folder's owner, who could not read it";
    else if (::fchmod(fd, mode) != 0) failedStep = "cannot set the permissions of the temporary file";
    else if (::fsync(fd) != 0) failedStep = "cannot flush the temporary file to the disk";
    if (failedStep) {
        std::string failure = Failure(failedStep);
        ::close(fd);
        ::unlink(temp.c_str());
        return failure;
    }
    if (::close(fd) != 0) {
        std::string failure = Failure("cannot close the temporary file");
        ::unlink(temp.c_str());
        return failure;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        std::string failure = Failure("cannot rename the temporary file over it");
        ::unlink(temp.c_str());
        return failure;
    }
    FlushFolder(path.has_parent_path() ? path.parent_path() : std::filesystem::path("."));
    return std::nullopt;
}

void RemoveStaleTemporaries(const std::filesystem::path& path) {
    const std::string prefix = path.filename().string() + std::string(kTemporaryMark);
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const auto cutoff = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + kTemporaryLetters || !name.starts_with(prefix)) continue;
        if (name.find_first_not_of(kLetters, prefix.size()) != std::string::npos) continue;
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            !IsTrustedOwner(info.st_uid, it->path()))
            continue;
        std::error_code timeError;
        if (it->last_write_time(timeError) > cutoff || timeError) continue;
        ::unlink(it->path().c_str());
    }
}

std::optional<std::string> AppendFileSafely(const std::filesystem::path& path, std::span<const unsigned char> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return Failure("cannot open the file");
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        std::string failure = Failure("cannot append to the file");
        ::close(fd);
        return failure;
    }
    const char* failedStep = nullptr;
    if (!WriteAll(fd, bytes)) failedStep = "cannot write the file";
    else if (::fsync(fd) != 0) failedStep = "cannot flush the file to the disk";
    if (failedStep) {
        std::string failure = Failure(failedStep);
        // No half line stays behind for the next load.
        [[maybe_unused]] const int cut = ::ftruncate(fd, info.st_size);
        ::close(fd);
        return failure;
    }
    if (::close(fd) != 0) return Failure("cannot close the file");
    return std::nullopt;
}
