// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QtCore/qnamespace.h>

class QKeyEvent;
class QString;

// A key as the keyboard table knows it: the virtual-key code of the key pressed and the shift
// state as a bit set (1 Shift, 2 Ctrl, 4 Alt).
struct VirtualKey {
    int code;
    int shiftState;
    bool operator==(const VirtualKey&) const = default;
};

// The keyboard table was written for the US layout. A key that prints a character is taken to
// the US key and shift state that print the same character, so "=" is equals and "*" times on
// any layout, whichever keys the user pressed for them; the numeric pad and the keys that print
// nothing (Enter, Escape, F1, the arrows, ...) go by their key code. A character the US layout
// has no key for gives nothing.
std::optional<VirtualKey> TranslateKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);
std::optional<VirtualKey> TranslateKey(const QKeyEvent& event);
