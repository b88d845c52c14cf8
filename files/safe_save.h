// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

// Replaces the file at `path` with `bytes` so that the name holds the old content or the new,
// whole, even across a crash or a power cut: a temporary file of a name no one else can know
// (created with O_EXCL, so never through a link or into a pipe) in the same folder, written and
// flushed to the disk, given the old file's permissions (0600 for a new file: descriptions can
// hold private notes) and, in another user's folder, that user as its owner (OwnerToGive),
// renamed over the old name, and the folder flushed. On failure the old
// file is untouched, no temporary file is left, and the result says which step failed and the
// system's reason.
std::optional<std::string> SaveFileSafely(const std::filesystem::path& path, std::span<const unsigned char> bytes);

// Appends `bytes` to the existing regular file at `path` and flushes it to the disk; on failure
// the file is cut back to its old length, and the result says which step failed and why.
std::optional<std::string> AppendFileSafely(const std::filesystem::path& path, std::span<const unsigned char> bytes);

// Removes the temporary files of saves of `path` that a kill left behind: trusted owners' regular
// files named as SaveFileSafely names them and older than a minute, so that no save in progress
// loses its file.
void RemoveStaleTemporaries(const std::filesystem::path& path);
