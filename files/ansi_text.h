// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Descriptions are kept as UTF-8 in memory and as Windows-1252 bytes in the register file.
// A character the code page lacks, or a broken UTF-8 sequence, becomes "?" as a code-page
// conversion would make it; the five unassigned bytes map to the C1 controls and back.
std::string Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);
