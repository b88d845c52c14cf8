// SPDX-License-Identifier: MIT
#include "keys/keyboard_map.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    int code;
    int shift;
    const char* faceKey;  // "" = nothing, "page:N" = tab page
};

std::string Describe(std::optional<KeyboardAction> a) {
    if (!a) return "";
    if (a->page >= 0) return "page:" + std::to_string(a->page);
    return std::string(a->faceKey);
}

TEST(KeyboardMap, FirstMatchingRowDecides) {
    const Row rows[] = {
        {48, 0, "key_0"},
        {48, 1, ""},
        {96, 1, "key_0"},
        {49, 1, ""},
        {50, 1, ""},
        {51, 1, "key_3"},
        {52, 1, "key_4"},
        {53, 1, ""},
        {55, 1, ""},
        {57, 1, ""},
        {54, 1, "key_Xy"},
        {54, 0, "key_6"},
        {54, 3, "key_6"},
        {56, 1, "key_multiply"},
        {56, 0, "key_8"},
        {187, 1, "key_plus"},
        {187, 0, "key_equal"},
        {13, 0, "key_equal"},
        {46, 0, "key_AC"},
        {8, 0, "key_Ers"},
        {27, 0, "key_C"},
        {190, 0, "key_dot"},
        {110, 0, "key_dot"},
        {191, 0, "key_divide"},
        {111, 0, "key_divide"},
        {106, 0, "key_multiply"},
        {109, 0, "key_minus"},
        {189, 0, "key_minus"},
        {189, 1, ""},
        {119, 0, "key_exp"},
        {120, 0, "key_PI"},
        {112, 0, "page:0"},
        {115, 2, "page:3"},
        {38, 0, "key_Xy"},
        {40, 0, ""},
        {65, 0, ""},
        {69, 0, "key_exp"},
        {69, 1, "key_exp"},
        {69, 2, ""},
        {0, 0, ""},
        {107, 0, "key_plus"},
        {108, 0, "key_equal"},
        {188, 0, "key_dot"},
        {188, 1, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Describe(MapKeyboardKey(r.code, r.shift)), r.faceKey) << r.code << " shift " << r.shift;
}

}  // namespace
