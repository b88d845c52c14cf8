// SPDX-License-Identifier: MIT
#include "tape/tape_file.h"

#include <algorithm>
#include <string_view>

#include "display/number_text.h"

namespace {

std::optional<FileFault> LineFault(std::string_view line, std::size_t number) {
    const std::string where = " in line " + PlainText(static_cast<double>(number));
    if (line.size() > kMaxTapeLineBytes) return FileFault{kFaultBadRecord, "Line too long" + where};
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t length = Utf8SequenceLength(line.substr(i));
        if (length == 0) return FileFault{kFaultBadValue, "Not UTF-8 text" + where};
        // A tab or a lone carriage return from an editor is text; the tape shows it as a blank.
        const bool control = static_cast<unsigned char>(line[i]) < 0x20 || line[i] == 0x7F;
        if (length == 1 && control && line[i] != '\t' && line[i] != '\r')
            return FileFault{kFaultBadValue, "Control character" + where};
        i += length;
    }
    return std::nullopt;
}

}  // namespace

TapeFileContent DecodeTapeFile(std::span<const unsigned char> bytes) {
    TapeFileContent content;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (end < text.size() && line.ends_with('\r')) line.remove_suffix(1);
        content.fault = LineFault(line, content.lines.size() + 1);
        if (content.fault) break;
        content.lines.emplace_back(line);
        start = end + 1;
    }
    return content;
}

std::vector<unsigned char> EncodeTapeFile(const PaperTape& tape) {
    std::vector<unsigned char> bytes;
    for (const std::string& line : tape.Lines()) {
        bytes.insert(bytes.end(), line.begin(), line.end());
        bytes.push_back('\n');
    }
    return bytes;
}

bool LoadTapeFile(PaperTape& tape, TapeFile& file, MessageService* messages) {
    std::vector<std::string> lines;
    // Of a file too large the newest lines are kept, as the tape keeps them.
    const bool outOfMemory = LoadStoredFile(
        file.stored, lines, kMaxTapeFileBytes, messages,
        [](const auto& bytes, std::vector<std::string>& target) {
            TapeFileContent content = DecodeTapeFile(bytes);
            target = std::move(content.lines);
            return content.fault;
        },
        KeepOfLarge::LastLines);
    tape.Replace(lines);
    // Only a file read whole, of lines as the tape writes them, can be appended to.
    const bool asWritten = file.stored.onDisk && std::ranges::equal(*file.stored.onDisk, EncodeTapeFile(tape));
    file.generation = asWritten ? std::optional(tape.Generation()) : std::nullopt;
    file.appended = tape.Appended();
    file.lines = tape.Lines().size();
    return outOfMemory;
}

void SaveTapeFile(const PaperTape& tape, TapeFile& file, SaveWhen when, MessageService* messages) {
    const std::uint64_t fresh = tape.Appended() - file.appended;
    if (file.generation == tape.Generation() && fresh <= tape.Lines().size()) {
        if (fresh == 0) return;  // the file holds the tape already
        std::vector<unsigned char> bytes;
        for (auto line = tape.Lines().end() - static_cast<std::ptrdiff_t>(fresh); line != tape.Lines().end(); ++line) {
            bytes.insert(bytes.end(), line->begin(), line->end());
            bytes.push_back('\n');
        }
        const bool fits = file.stored.onDisk && file.lines + fresh <= 2 * kMaxTapeLines &&
                          file.stored.onDisk->size() + bytes.size() <= kMaxTapeFileBytes;
        if (fits && AppendStoredFile(file.stored, bytes, messages)) {
            file.lines += fresh;
            file.appended = tape.Appended();
            return;
        }
        if (fits) return;  // the append failed and was warned about; the next save tries again
    }
    SaveStoredFile(file.stored, EncodeTapeFile(tape), when, messages);
    if (file.stored.failureShown || file.stored.keepAsFound) return;
    file.generation = tape.Generation();
    file.appended = tape.Appended();
    file.lines = tape.Lines().size();
}
