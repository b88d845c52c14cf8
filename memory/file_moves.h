// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "memory/file_fault.h"

// What reading a whole file gave: its bytes, or that it does not exist, or why it failed.
struct FileBytes {
    bool exists = false;
    std::vector<unsigned char> bytes;
    std::optional<FileFault> fault;
};
FileBytes ReadWholeFile(const std::filesystem::path& path);

// Writes the bytes to a temporary file beside `path` and renames it over `path`, so that a
// failed save leaves the old file as it was.
std::optional<FileFault> ReplaceFile(const std::filesystem::path& path,
                                     std::span<const unsigned char> bytes);

// Moves a damaged file aside as "<name>.bad", replacing an older one.
std::optional<FileFault> SetAsideDamaged(const std::filesystem::path& path);
