// SPDX-License-Identifier: MIT
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Bounds-checked little-endian reading and writing for the file codecs: a reader never
// trusts a length beyond the bytes that are left.
class ByteReader {
public:
    explicit ByteReader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    std::size_t Left() const { return bytes_.size() - pos_; }
    bool AtEnd() const { return pos_ == bytes_.size(); }

    std::optional<std::uint64_t> Unsigned(std::size_t size) {
        if (Left() < size) return std::nullopt;
        std::uint64_t v = 0;
        for (std::size_t i = 0; i < size; ++i) v |= std::uint64_t{bytes_[pos_ + i]} << (8 * i);
        pos_ += size;
        return v;
    }
    std::optional<double> Double() {
        auto bits = Unsigned(8);
        if (!bits) return std::nullopt;
        return std::bit_cast<double>(*bits);
    }
    std::optional<std::span<const unsigned char>> Bytes(std::size_t size) {
        if (Left() < size) return std::nullopt;
        auto part = bytes_.subspan(pos_, size);
        pos_ += size;
        return part;
    }

private:
    std::span<const unsigned char> bytes_;
    std::size_t pos_ = 0;
};

inline void PutUnsigned(std::vector<unsigned char>& out, std::uint64_t v, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
inline void PutDouble(std::vector<unsigned char>& out, double v) {
    PutUnsigned(out, std::bit_cast<std::uint64_t>(v), 8);
}
