// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Where a damaged file went, or why it could not be moved.
struct SetAsideResult {
    std::optional<std::filesystem::path> keptAs;
    std::string reason;  // when keptAs is empty
};

// How many names a damaged file may take: "<name>.bad", then "<name>.bad.1" ... ".bad.99".
inline constexpr int kSetAsideNames = 100;

// Moves whatever stands at `path` (a link or a pipe itself, not what it points to) to the first
// free name of "<name>.bad", "<name>.bad.1", "<name>.bad.2", ... in the same folder. Nothing
// already there is replaced.
SetAsideResult SetAsideDamaged(const std::filesystem::path& path);
