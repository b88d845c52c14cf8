// SPDX-License-Identifier: MIT
#include "core/value_cell.h"

#include "display/number_text.h"

ValueCell::ValueCell(std::string text) {
    // The empty text is how the calculator writes "nothing".
    if (!text.empty()) content_ = std::move(text);
}

double ValueCell::Number() const {
    if (const auto* d = std::get_if<double>(&content_)) return *d;
    if (const auto* s = std::get_if<std::string>(&content_)) return ReadNumber(*s);
    return 0.0;
}

const std::string& ValueCell::Text() const {
    static const std::string empty;
    if (const auto* s = std::get_if<std::string>(&content_)) return *s;
    return empty;
}

std::string ValueCell::AsText() const {
    if (const auto* d = std::get_if<double>(&content_)) return PlainText(*d);
    return Text();
}
