// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>

#include <sys/types.h>

// Root may run on a user's own folder (`sudo numora --dir ~/calc`): that folder's files are the
// user's, so they are read as trusted and every file saved there is given back to the user.

// Whether a file of `path`'s folder owned by `owner` is read: this program's user's or the
// folder owner's (whoever owns the folder can replace its files anyway).
bool IsTrustedOwner(uid_t owner, const std::filesystem::path& path);

struct FileOwner {
    uid_t uid;
    gid_t gid;
};
// The owner a file saved in `path`'s folder must be given: the folder's, when that is another
// user than this program's and not root (who reads every file anyway).
std::optional<FileOwner> OwnerToGive(const std::filesystem::path& path);
