// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// A slot that holds nothing, a number or a text. "Nothing" is its own state so that an empty
// cell never compares equal to a cell holding 0.
class ValueCell {
public:
    ValueCell() = default;
    ValueCell(double number) : kind_(Kind::Number), number_(number) {}
    ValueCell(int number) : ValueCell(static_cast<double>(number)) {}
    ValueCell(std::string text);
    ValueCell(const char* text) : ValueCell(std::string(text)) {}

    bool IsEmpty() const { return kind_ == Kind::Empty; }
    bool IsNumber() const { return kind_ == Kind::Number; }
    bool IsText() const { return kind_ == Kind::Text; }

    // The number, or the text read as a decimal number; an empty cell reads as 0.
    double Number() const;
    // The text held, or "" for a number or an empty cell.
    const std::string& Text() const { return text_; }
    // The text held, a number's plain text, or "" when empty.
    std::string AsText() const;

    ValueCell(const ValueCell&) = default;
    ValueCell(ValueCell&&) noexcept = default;
    ValueCell& operator=(ValueCell&&) noexcept = default;
    // Most cells hold no text: emptying the text inline spares a library call per cell, and the
    // undo history copies two dozen cells before every key.
    ValueCell& operator=(const ValueCell& other) {
        kind_ = other.kind_;
        number_ = other.number_;
        if (other.text_.empty()) text_.clear();
        else text_ = other.text_;
        return *this;
    }

    bool operator==(const ValueCell&) const = default;

private:
    // The kinds side by side rather than in a variant: a copy into a cell of another kind then
    // reuses the text's buffer, and the undo history copies a dozen cells on every key. The
    // number is 0 unless the cell holds one, the text "" unless it holds one.
    enum class Kind : unsigned char { Empty, Number, Text };
    Kind kind_ = Kind::Empty;
    double number_ = 0.0;
    std::string text_;
};
