// SPDX-License-Identifier: MIT
#include "core/value_cell.h"

#include "display/number_text.h"

ValueCell::ValueCell(std::string text) {
    // The empty text is how the calculator writes "nothing".
    if (text.empty()) return;
    kind_ = Kind::Text;
    text_ = std::move(text);
}

double ValueCell::Number() const {
    if (kind_ == Kind::Text) return ReadNumber(text_);
    return number_;
}

std::string ValueCell::AsText() const {
    if (kind_ == Kind::Number) return PlainText(number_);
    return text_;
}
