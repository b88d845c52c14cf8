// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "core/data_set.h"
#include "files/file_fault.h"
#include "files/stored_file.h"

class MessageService;

// "SdfInput.sdf": the data set as one serialised value cell, little-endian. A 16-bit type tag:
// 0 empty; 5 a double; 8 a text (16-bit length, then the bytes); 0x200C an array (16-bit
// dimension count, per dimension a 32-bit element count and a 32-bit lower bound, then every
// element as a cell of its own).
inline constexpr const char* kDataFileName = "SdfInput.sdf";

inline constexpr unsigned kTagEmpty = 0;
inline constexpr unsigned kTagDouble = 5;
inline constexpr unsigned kTagText = 8;
inline constexpr unsigned kTagArray = 0x200C;

// The array of the largest set: its header and a tagged double per value.
inline constexpr std::size_t kMaxDataFileBytes = 12 + 10 * kMaxDataValues;

// What a file held: the values read before any damage, and the damage. The program writes only
// an empty cell, the empty text and a one-dimensional array of doubles from index 0; anything
// else in a file is damage, as are values that are not finite numbers and bytes after the cell.
struct DataFileContent {
    DataSetCell data;
    std::optional<FileFault> fault;
};

DataFileContent DecodeDataFile(std::span<const unsigned char> bytes);
std::vector<unsigned char> EncodeDataFile(const DataSetCell& data);

// Replaces the set with the file's (empty when it is missing), as LoadStoredFile says: a damaged
// file keeps what was read and is set aside as "SdfInput.sdf.bad". True only when memory ran out.
bool LoadDataFile(DataSetCell& data, StoredFile& file, MessageService* messages);
// Replaces the file as SaveStoredFile says; on failure the old file stays.
void SaveDataFile(const DataSetCell& data, StoredFile& file, SaveWhen when, MessageService* messages);
