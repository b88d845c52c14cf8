// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform.h"

// The tape keeps the last lines only, and a line so long that no one reads it whole (a formula
// of hundreds of operands) keeps its end, where the result stands.
inline constexpr std::size_t kMaxTapeLines = 1000;
inline constexpr std::size_t kMaxTapeLineBytes = 2000;

// The length of the UTF-8 sequence at the start of `text`, or 0 when none starts there (a stray
// continuation byte, an overlong form, a surrogate, beyond U+10FFFF, or cut short).
std::size_t Utf8SequenceLength(std::string_view text);

// What changed on the tape: one line added at the end (the oldest dropped when the tape was
// full), or every line replaced.
enum class TapeChange { Appended, Replaced };

// The lines of the paper tape: what the engine writes, what the file loads, what the window
// shows. The listener hears every change, whoever made it.
class PaperTape final : public TapeOutput {
public:
    void Write(const std::string& line) override;
    // Replaces the lines with loaded ones, of which the last kMaxTapeLines are kept.
    void Replace(const std::vector<std::string>& lines);
    void Clear();

    const std::deque<std::string>& Lines() const { return lines_; }
    // How many lines Write has added since the tape was made: the lines after a count taken
    // earlier are the newest ones.
    std::uint64_t Appended() const { return appended_; }
    // Changes whenever every line is replaced (a load, Clear).
    std::uint64_t Generation() const { return generation_; }
    // The lines written since the tape was made or loaded that it still holds.
    std::vector<std::string> LinesOfThisRun() const;
    void SetListener(std::function<void(TapeChange)> listener) { listener_ = std::move(listener); }

private:
    void Append(std::string line);
    void Changed(TapeChange change);

    std::deque<std::string> lines_;
    std::size_t written_ = 0;
    std::uint64_t appended_ = 0;
    std::uint64_t generation_ = 0;
    std::function<void(TapeChange)> listener_;
};
