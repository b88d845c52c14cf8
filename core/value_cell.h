// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <variant>

// A slot that holds nothing, a number or a text. "Nothing" is its own state so that an empty
// cell never compares equal to a cell holding 0.
class ValueCell {
public:
    ValueCell() = default;
    ValueCell(double number) : content_(number) {}
    ValueCell(int number) : content_(static_cast<double>(number)) {}
    ValueCell(std::string text);
    ValueCell(const char* text) : ValueCell(std::string(text)) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(content_); }
    bool IsNumber() const { return std::holds_alternative<double>(content_); }
    bool IsText() const { return std::holds_alternative<std::string>(content_); }

    // The number, or the text read as a decimal number; an empty cell reads as 0.
    double Number() const;
    // The text held, or "" for a number or an empty cell.
    const std::string& Text() const;
    // The text held, a number's plain text, or "" when empty.
    std::string AsText() const;

    bool operator==(const ValueCell&) const = default;

private:
    std::variant<std::monostate, double, std::string> content_;
};
