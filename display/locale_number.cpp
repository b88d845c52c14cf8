// SPDX-License-Identifier: MIT
// Numbers as a desktop locale writes them, for text pasted from other programs. Everything
// the calculator itself writes and reads keeps "." as its point.
#include "display/number_text.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class Cursor {
public:
    explicit Cursor(std::string text) : text_(std::move(text)) {}
    bool AtEnd() const { return pos_ == text_.size(); }
    bool Take(std::string_view s) {
        if (s.empty() || text_.compare(pos_, s.size(), s) != 0) return false;
        pos_ += s.size();
        return true;
    }
    bool TakeSign(std::string& out) {
        if (AtEnd() || (text_[pos_] != '-' && text_[pos_] != '+')) return false;
        out += text_[pos_++];
        return true;
    }
    int TakeDigits(std::string& out) {
        const size_t start = pos_;
        while (!AtEnd() && IsDigit(text_[pos_])) out += text_[pos_++];
        return static_cast<int>(pos_ - start);
    }

private:
    std::string text_;
    size_t pos_ = 0;
};

std::string WithoutBlanks(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') compact += c;
    return compact;
}

// The whole part: plain digits, or groups of three after a first group of one to three. False
// when the groups are malformed.
bool TakeWholePart(Cursor& in, std::string_view group, std::string& out) {
    const int first = in.TakeDigits(out);
    if (first == 0 || first > 3) return true;
    while (in.Take(group))
        if (in.TakeDigits(out) != 3) return false;
    return true;
}

}  // namespace

std::optional<double> ReadLocaleNumber(std::string_view text, std::string_view point, std::string_view group) {
    Cursor in(WithoutBlanks(text));
    std::string plain;
    in.TakeSign(plain);
    if (!TakeWholePart(in, group, plain)) return std::nullopt;
    bool digits = plain.find_first_of("0123456789") != std::string::npos;
    if (in.Take(point)) {
        plain += '.';
        digits |= in.TakeDigits(plain) > 0;
    }
    if (!digits) return std::nullopt;
    if (in.Take("E") || in.Take("e")) {
        plain += 'E';
        in.TakeSign(plain);
        if (in.TakeDigits(plain) == 0) return std::nullopt;
    }
    if (!in.AtEnd()) return std::nullopt;
    return ReadNumber(plain);
}
