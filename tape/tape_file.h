// SPDX-License-Identifier: MIT
#pragma once

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

// Replaces the tape's lines with the file's (none when it is missing), as LoadStoredFile says:
// a damaged file keeps what was read and is set aside as "CalcTape.txt.bad". True only when
// memory ran out.
bool LoadTapeFile(PaperTape& tape, StoredFile& file, MessageService* messages);
// Replaces the file as SaveStoredFile says; on failure the old file stays.
void SaveTapeFile(const PaperTape& tape, StoredFile& file, SaveWhen when, MessageService* messages);
