// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "core/register_bank.h"
#include "files/file_fault.h"
#include "files/stored_file.h"

class MessageService;

// "CalcMem.mem": 100 records of an 8-byte little-endian double, a 16-bit byte count and the
// description in Windows-1252, with nothing between or around them.
inline constexpr const char* kRegisterFileName = "CalcMem.mem";
// 100 records with the longest description each: 100 x (8 + 2 + 65535) bytes.
inline constexpr std::size_t kMaxRegisterFileBytes = kRegisterCount * (8 + 2 + 0xFFFF);

// What a file held: the registers read before any damage (the rest cleared) and the damage.
struct RegisterFileContent {
    RegisterBank registers{};
    std::optional<FileFault> fault;
};

// A value that is not a finite number, and bytes after the last record, are damage too.
RegisterFileContent DecodeRegisterFile(std::span<const unsigned char> bytes);
// Descriptions longer than 65535 bytes in the code page are cut to fit the length field.
std::vector<unsigned char> EncodeRegisterFile(const RegisterBank& registers);

// Fills the bank from the file (cleared when it is missing), as LoadStoredFile says: a damaged
// file keeps what was read and is set aside as "CalcMem.mem.bad". True only when memory ran out.
bool LoadRegisterFile(RegisterBank& registers, StoredFile& file, MessageService* messages);
// Replaces the file as SaveStoredFile says; on failure the old file stays.
void SaveRegisterFile(const RegisterBank& registers, StoredFile& file, SaveWhen when, MessageService* messages);
