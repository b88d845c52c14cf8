// SPDX-License-Identifier: MIT
#include "constants/grouped_format.h"

#include <algorithm>
#include <cctype>

#include "display/number_text.h"

std::string FormatGrouped(double value, std::string_view pattern) {
    std::string plain(pattern);
    const bool grouped = std::erase(plain, ',') > 0;
    std::string text = FormatPattern(value, plain);
    if (!grouped) return text;
    const auto first = text.find_first_of("0123456789");
    if (first == std::string::npos) return text;
    auto end = first;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    for (auto at = end; at > first + 3; at -= 3) text.insert(at - 3, 1, ',');
    return text;
}
