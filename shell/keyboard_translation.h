// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QtCore/qnamespace.h>

class QKeyEvent;

// A key as the keyboard table knows it: the virtual-key code of the key pressed and the shift
// state as a bit set (1 Shift, 2 Ctrl, 4 Alt).
struct VirtualKey {
    int code;
    int shiftState;
    bool operator==(const VirtualKey&) const = default;
};

// Qt reports the character a key produced; the table wants the key itself. Shifted symbols of
// the main keyboard are taken back to their key (Shift+8 "*" is the 8 key with Shift), the
// numeric pad keeps its own codes. Keys the table cannot name give nothing.
std::optional<VirtualKey> TranslateKey(int qtKey, Qt::KeyboardModifiers modifiers);
std::optional<VirtualKey> TranslateKey(const QKeyEvent& event);
