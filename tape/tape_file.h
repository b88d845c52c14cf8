// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "files/file_fault.h"
#include "files/stored_file.h"
#include "tape/paper_tape.h"

class MessageService;

// "CalcTape.txt": the tape's lines in UTF-8, each ended by a line feed, the oldest first.
inline constexpr const char* kTapeFileName = "CalcTape.txt";

// The largest tape the program writes, with room for a carriage return on every line.
inline constexpr std::size_t kMaxTapeFileBytes = kMaxTapeLines * (kMaxTapeLineBytes + 2);

// The lines read before any damage, and the damage: a byte sequence that is not UTF-8, a control
// character, or a line longer than the tape keeps. A carriage return before a line feed is
// taken as part of it; more lines than the tape keeps are not damage, only the last are kept.
struct TapeFileContent {
    std::vector<std::string> lines;
    std::optional<FileFault> fault;
};

TapeFileContent DecodeTapeFile(std::span<const unsigned char> bytes);
std::vector<unsigned char> EncodeTapeFile(const PaperTape& tape);

// The tape's file and what of the tape it holds. A save appends the lines written since the last
// one, and rewrites the file with the tape's lines only when the tape was replaced or cleared, or
// when the file would outgrow twice the tape or its byte bound: typing into a full tape writes
// a line, not the whole tape, each time.
struct TapeFile {
    explicit TapeFile(std::filesystem::path path) : stored(std::move(path)) {}

    StoredFile stored;
    std::optional<std::uint64_t> generation;  // of the tape the file ends with; none: rewrite
    std::uint64_t appended = 0;  // the tape's Appended() then
    std::size_t lines = 0;  // in the file
};

// Replaces the tape's lines with the file's (none when it is missing), as LoadStoredFile says:
// a damaged file keeps what was read and is set aside as "CalcTape.txt.bad". True only when
// memory ran out.
bool LoadTapeFile(PaperTape& tape, TapeFile& file, MessageService* messages);
// Appends or replaces the file as the TapeFile says; on failure the old file stays.
void SaveTapeFile(const PaperTape& tape, TapeFile& file, SaveWhen when, MessageService* messages);
