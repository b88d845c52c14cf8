// SPDX-License-Identifier: MIT
#include "tape/paper_tape.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view kCutMark = "... ";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// One line of text: a control character (a line break in a register's description) would
// split it in the file.
std::string Fitted(std::string line) {
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    if (line.size() <= kMaxTapeLineBytes) return line;
    std::size_t cut = line.size() - (kMaxTapeLineBytes - kCutMark.size());
    while (cut < line.size() && (IsContinuationByte(line[cut]) || line[cut] == ' ')) ++cut;
    return std::string(kCutMark) + line.substr(cut);
}

}  // namespace

void PaperTape::Write(const std::string& line) {
    Append(Fitted(line));
    written_ = std::min(written_ + 1, lines_.size());
    Changed(TapeChange::Appended);
}

void PaperTape::Replace(const std::vector<std::string>& lines) {
    lines_.clear();
    written_ = 0;
    const std::size_t first = lines.size() > kMaxTapeLines ? lines.size() - kMaxTapeLines : 0;
    for (std::size_t i = first; i < lines.size(); ++i) Append(Fitted(lines[i]));
    Changed(TapeChange::Replaced);
}

void PaperTape::Clear() {
    lines_.clear();
    written_ = 0;
    Changed(TapeChange::Replaced);
}

std::vector<std::string> PaperTape::LinesOfThisRun() const {
    return {lines_.end() - static_cast<std::ptrdiff_t>(written_), lines_.end()};
}

void PaperTape::Append(std::string line) {
    lines_.push_back(std::move(line));
    if (lines_.size() > kMaxTapeLines) lines_.pop_front();
}

void PaperTape::Changed(TapeChange change) {
    if (listener_) listener_(change);
}
