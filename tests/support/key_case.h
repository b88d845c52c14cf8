// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

// One row of a key table: the keys pressed on a started calculator and what the display shows,
// as "DisplayBox|ExpoBox".
struct KeyCase {
    const char* name;
    const char* keys;
    const char* display;
};

inline void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.keys; }
