// SPDX-License-Identifier: MIT
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "files/bounded_read.h"
#include "files/file_fault.h"
#include "files/safe_save.h"

class MessageService;

// One data file over a run: its name, what the run knows to be in it, and whether the run may
// save over it. A file that could not be read, or whose damage could not be set aside, stays as
// it was found until the run ends: saving over it would lose what it holds.
struct StoredFile {
    explicit StoredFile(std::filesystem::path name) : path(std::move(name)) {}

    std::filesystem::path path;
    bool keepAsFound = false;
    std::optional<std::vector<unsigned char>> onDisk;  // the bytes last loaded or saved
    bool failureShown = false;  // a save failed and was warned about
};

// How a save treats a file whose content is already what would be written.
enum class SaveWhen { Changed, Always };

// Appends the bytes to the file as it was last loaded or saved, which then holds them too. False
// when it cannot (the file is kept as found, or its content is not known) or the append failed,
// which is warned about as a failed save is.
bool AppendStoredFile(StoredFile& file, std::span<const unsigned char> bytes, MessageService* messages);

// Moves the damaged file aside (or, failing that, keeps it as found) and shows one warning that
// names the file, the damage and where the original is now.
void SetAsideAndWarn(StoredFile& file, const FileFault& fault, MessageService* messages);
void KeepUnreadable(StoredFile& file, const std::string& reason, MessageService* messages);

// Loads the file through `decode(bytes, target)`, which fills `target` with what it could read
// and returns the damage it found. A missing file leaves `target` empty; a damaged one keeps
// what was read, is set aside and warned about; an unreadable one is warned about and kept as
// found. True only when memory ran out (the file is then kept as found and warned about, too).
// The temporary files a killed save left beside it go first.
template <class Target, class Decode>
bool LoadStoredFile(StoredFile& file, Target& target, std::size_t maxBytes, MessageService* messages, Decode decode,
                    KeepOfLarge keep = KeepOfLarge::Head) {
    try {
        target = Target{};
        file.onDisk.reset();
        file.keepAsFound = false;
        RemoveStaleTemporaries(file.path);
        BoundedRead read = ReadBoundedFile(file.path, maxBytes, keep);
        if (read.outcome == BoundedRead::Outcome::Missing) return false;
        if (read.outcome == BoundedRead::Outcome::Unreadable) {
            KeepUnreadable(file, read.reason, messages);
            return false;
        }
        std::optional<FileFault> fault = decode(std::as_const(read.bytes), target);
        if (read.outcome == BoundedRead::Outcome::Damaged)
            fault = FileFault{kFaultAccess, "Path/File access error: " + read.reason};
        if (fault) SetAsideAndWarn(file, *fault, messages);
        else file.onDisk = std::move(read.bytes);
        return false;
    } catch (const std::bad_alloc&) {
        try {
            KeepUnreadable(file, std::strerror(ENOMEM), messages);
        } catch (const std::bad_alloc&) {
            file.keepAsFound = true;
        }
        return true;
    }
}

// Writes the bytes over the file unless it is kept as found or, with SaveWhen::Changed, already
// holds them. A failure is warned about with the system's reason; while saves keep failing,
// only SaveWhen::Always warns again.
void SaveStoredFile(StoredFile& file, std::span<const unsigned char> bytes, SaveWhen when, MessageService* messages);
