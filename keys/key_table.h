// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

struct Calculator;

// How a key names itself to the speech output after its work is done.
enum class KeyWord {
    None,  // speaks nothing
    Text,  // speaks FaceKey::word
    Digit,  // speaks the digit as a number
    Sign,  // "negative" when the display then starts with "-"
    Result,  // the reading of the "=" result
};

// One face key: its control name, caption, tool tip, place, the token it dispatches (or the
// routine it runs instead), the operator-indicator caption set before dispatch and its word.
struct FaceKey {
    std::string_view name;  // control name, "key_Sin"
    std::string_view caption;
    std::string_view toolTip;  // "" = none
    int page;  // 0 to 2: tab page; kKeypadPage: the main keypad
    int row;  // 1 to 4
    int column;  // 1 to 5
    std::string_view token;  // dispatched token; "" when handler is set
    bool setsIndicator;  // SetOperatorIndicator(indicator) before the dispatch
    std::string_view indicator;
    KeyWord wordKind;
    std::string_view word;
    void (*handler)(Calculator&);  // keys that do not go through DispatchKey
};

inline constexpr int kKeypadPage = -1;

std::span<const FaceKey> FaceKeys();
// The key with this control name ("key_Sin", "com_Random"), or nullptr.
const FaceKey* FindFaceKey(std::string_view controlName);
