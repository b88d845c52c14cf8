// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "memory/file_fault.h"
#include "memory/register_bank.h"

class MessageService;

// "CalcMem.mem": 100 records of an 8-byte little-endian double, a 16-bit byte count and the
// description in Windows-1252, with nothing between or around them.
inline constexpr const char* kRegisterFileName = "CalcMem.mem";

// What a file held: the registers read before any damage (the rest cleared) and the damage.
struct RegisterFileContent {
    RegisterBank registers{};
    std::optional<FileFault> fault;
};

RegisterFileContent DecodeRegisterFile(std::span<const unsigned char> bytes);
// Descriptions longer than 65535 bytes in the code page are cut to fit the length field.
std::vector<unsigned char> EncodeRegisterFile(const RegisterBank& registers);

// Fills the bank from the file (cleared when it is missing). A damaged file keeps what was read,
// is moved aside as "CalcMem.mem.bad" and warned about. True only when memory ran out.
bool LoadRegisterFile(RegisterBank& registers, const std::filesystem::path& path,
                      MessageService* messages);
// Replaces the file; on failure the old file stays and the warning is shown.
void SaveRegisterFile(const RegisterBank& registers, const std::filesystem::path& path,
                      MessageService* messages);
