// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// What opening a data file for loading found.
struct BoundedRead {
    enum class Outcome {
        Missing,  // nothing at the name
        Read,  // a regular file of a trusted owner, read whole
        Damaged,  // something no save of ours leaves there: kept aside, never read through
        Unreadable,  // the system refused to read it: left as it is
    };
    Outcome outcome = Outcome::Missing;
    // Read: the whole file; Damaged: the bytes kept of a file that is too large, else nothing.
    std::vector<unsigned char> bytes;
    std::string reason;  // Damaged and Unreadable: why, in the system's words where it gave some
};

// Which part of a file too large to read whole is kept: its first `maxBytes`, or the whole lines
// of its last `maxBytes` (a text whose newest lines come last).
enum class KeepOfLarge { Head, LastLines };

// Opens without following a link and without waiting on a pipe or a device, accepts only a
// regular file of a trusted owner (IsTrustedOwner), and reads at most `maxBytes` (a larger file is damage, of
// which the part `keep` names is kept for whatever it still holds).
BoundedRead ReadBoundedFile(const std::filesystem::path& path, std::size_t maxBytes,
                            KeepOfLarge keep = KeepOfLarge::Head);
