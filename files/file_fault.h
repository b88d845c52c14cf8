// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class MessageService;

// What went wrong with a file, as the warning box names it.
struct FileFault {
    int Number = 0;
    std::string Description;

    bool operator==(const FileFault&) const = default;
};

// Numbers of the faults the file routines report.
inline constexpr int kFaultBadValue = 6;  // a value that is not a finite number
inline constexpr int kFaultBadRecord = 9;  // a count or bound the format never holds, or bytes after the end
inline constexpr int kFaultCellType = 13;  // a cell type the file may not hold there
inline constexpr int kFaultPastEnd = 62;  // a record or length runs past the end
inline constexpr int kFaultAccess = 75;  // the file could not be read, written or moved

// The warning box of a failed load or save: title "Warning:", "Error No. N:  description".
void ShowFileWarning(MessageService* messages, const FileFault& fault);
