// SPDX-License-Identifier: MIT
#include "tape/paper_tape.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view kCutMark = "... ";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// One line of UTF-8 text: a control character (a line break in a register's description) would
// split it in the file, and bytes that are no UTF-8 (a description from an older file) would
// make the file unreadable; they become blanks and U+FFFD.
std::string Fitted(const std::string& raw) {
    std::string line;
    line.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size();) {
        const std::size_t length = Utf8SequenceLength(std::string_view(raw).substr(i));
        if (length == 0) {
            line += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        const char c = raw[i];
        if (length == 1 && (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)) line += ' ';
        else line.append(raw, i, length);
        i += length;
    }
    if (line.size() <= kMaxTapeLineBytes) return line;
    std::size_t cut = line.size() - (kMaxTapeLineBytes - kCutMark.size());
    while (cut < line.size() && (IsContinuationByte(line[cut]) || line[cut] == ' ')) ++cut;
    return std::string(kCutMark) + line.substr(cut);
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

void PaperTape::Write(const std::string& line) {
    Append(Fitted(line));
    written_ = std::min(written_ + 1, lines_.size());
    ++appended_;
    Changed(TapeChange::Appended);
}

void PaperTape::Replace(const std::vector<std::string>& lines) {
    lines_.clear();
    written_ = 0;
    ++generation_;
    const std::size_t first = lines.size() > kMaxTapeLines ? lines.size() - kMaxTapeLines : 0;
    for (std::size_t i = first; i < lines.size(); ++i) Append(Fitted(lines[i]));
    Changed(TapeChange::Replaced);
}

void PaperTape::Clear() {
    lines_.clear();
    written_ = 0;
    ++generation_;
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
