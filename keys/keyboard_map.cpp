// SPDX-License-Identifier: MIT
#include "keys/keyboard_map.h"

#include <array>

namespace {

enum class Shift { None, Any, Unchorded, ShiftOnlySplit };

struct Row {
    std::array<int, 2> codes;  // 0 = unused
    Shift condition;
    std::string_view key;  // the key for the row (with ShiftOnlySplit: any other state)
    std::string_view shiftedKey;  // ShiftOnlySplit: the key with Shift alone
    int page;
};

constexpr Row R(int code, Shift s, std::string_view key) { return {{code, 0}, s, key, "", -1}; }
constexpr Row R2(int a, int b, Shift s, std::string_view key) { return {{a, b}, s, key, "", -1}; }
constexpr Row Split(int code, std::string_view shifted, std::string_view other) {
    return {{code, 0}, Shift::ShiftOnlySplit, other, shifted, -1};
}
constexpr Row Page(int code, int page) { return {{code, 0}, Shift::Any, "", "", page}; }

constexpr auto N = Shift::None;
constexpr auto A = Shift::Any;
constexpr auto U = Shift::Unchorded;  // Shift or nothing: Ctrl and Alt chords are the menus'

constexpr std::array kRows{
    R(48, N, "key_0"),
    R(96, A, "key_0"),
    R(49, N, "key_1"),
    R(97, A, "key_1"),
    R(50, N, "key_2"),
    R(98, A, "key_2"),
    R2(51, 99, A, "key_3"),
    R2(52, 100, A, "key_4"),
    R(53, N, "key_5"),
    R(101, A, "key_5"),
    R(102, A, "key_6"),
    Split(54, "key_Xy", "key_6"),  // Shift+6 prints "^", the power sign everywhere
    R(55, N, "key_7"),
    R(103, A, "key_7"),
    Split(56, "key_multiply", "key_8"),
    R(104, A, "key_8"),
    R(57, N, "key_9"),
    R(105, A, "key_9"),
    R2(110, 190, A, "key_dot"),
    R(188, N, "key_dot"),  // the comma, the decimal point of most of the world's keyboards
    R(46, A, "key_AC"),
    R(8, A, "key_Ers"),
    R(27, A, "key_C"),
    R(13, A, "key_equal"),
    R(108, A, "key_equal"),
    Split(187, "key_plus", "key_equal"),
    R(43, A, "key_plus"),
    R(107, A, "key_plus"),
    R2(191, 111, A, "key_divide"),
    R(106, A, "key_multiply"),
    R(109, A, "key_minus"),
    R(189, N, "key_minus"),
    R(69, U, "key_exp"),  // "1e3", as numbers are written in programs
    R(119, A, "key_exp"),
    R(120, A, "key_PI"),
    Page(112, 0),
    Page(113, 1),
    Page(114, 2),
    Page(115, 3),
    R(38, A, "key_Xy"),
};

}  // namespace

std::optional<KeyboardAction> MapKeyboardKey(int virtualKeyCode, int shiftState) {
    if (virtualKeyCode <= 0) return std::nullopt;
    for (const Row& row : kRows) {
        if (row.codes[0] != virtualKeyCode && row.codes[1] != virtualKeyCode) continue;
        if (row.page >= 0) return KeyboardAction{"", row.page};
        switch (row.condition) {
        case Shift::None:
            if (shiftState != 0) return std::nullopt;
            return KeyboardAction{row.key, -1};
        case Shift::Any: return KeyboardAction{row.key, -1};
        case Shift::Unchorded:
            if ((shiftState & ~1) != 0) return std::nullopt;
            return KeyboardAction{row.key, -1};
        case Shift::ShiftOnlySplit: return KeyboardAction{shiftState == 1 ? row.shiftedKey : row.key, -1};
        }
    }
    return std::nullopt;
}
