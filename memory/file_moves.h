// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <new>
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

// Loads a file through `decode(bytes, target)`, which fills `target` with what it could read and
// returns the damage it found. A damaged file keeps what was read, is moved aside and warned
// about; a missing file leaves `target` empty. True only when memory ran out.
template <class Target, class Decode>
bool LoadDecodedFile(Target& target, const std::filesystem::path& path, MessageService* messages,
                     Decode decode) {
    try {
        target = Target{};
        const FileBytes file = ReadWholeFile(path);
        if (file.fault) {
            ShowFileWarning(messages, *file.fault);
            return false;
        }
        if (const std::optional<FileFault> fault = decode(file.bytes, target)) {
            SetAsideDamaged(path);
            ShowFileWarning(messages, *fault);
        }
        return false;
    } catch (const std::bad_alloc&) {
        return true;
    }
}
