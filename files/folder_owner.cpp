// SPDX-License-Identifier: MIT
#include "files/folder_owner.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::optional<struct stat> FolderOf(const std::filesystem::path& path) {
    struct stat info {};
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    if (::stat(folder.c_str(), &info) != 0) return std::nullopt;
    return info;
}

}  // namespace

bool IsTrustedOwner(uid_t owner, const std::filesystem::path& path) {
    if (owner == ::geteuid()) return true;
    const auto folder = FolderOf(path);
    return folder && folder->st_uid == owner;
}

std::optional<FileOwner> OwnerToGive(const std::filesystem::path& path) {
    const auto folder = FolderOf(path);
    if (!folder || folder->st_uid == ::geteuid() || folder->st_uid == 0) return std::nullopt;
    return FileOwner{folder->st_uid, folder->st_gid};
}
