// SPDX-License-Identifier: MIT
#include "files/set_aside.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>

#include "display/number_text.h"

namespace {

std::filesystem::path BadName(const std::filesystem::path& path, int n) {
    auto bad = path;
    bad += n == 0 ? std::string(".bad") : ".bad." + PlainText(n);
    return bad;
}

// rename() that never replaces what stands at `to`. Where the file system cannot promise that
// in one step, a look first leaves only a race with another copy setting aside the same name.
bool MoveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    struct stat taken {};
    if (::lstat(to.c_str(), &taken) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace

SetAsideResult SetAsideDamaged(const std::filesystem::path& path) {
    for (int n = 0; n < kSetAsideNames; ++n) {
        const auto bad = BadName(path, n);
        if (MoveWithoutReplacing(path, bad)) return {bad, {}};
        if (errno != EEXIST && errno != ENOTEMPTY) return {std::nullopt, std::strerror(errno)};
    }
    return {std::nullopt, "every name from " + BadName(path, 0).filename().string() + " to " +
                              BadName(path, kSetAsideNames - 1).filename().string() + " is taken"};
}
