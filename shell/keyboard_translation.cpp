// SPDX-License-Identifier: MIT
#include "shell/keyboard_translation.h"

#include <QKeyEvent>

namespace {

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;

int ShiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? kShift : 0) | (modifiers & Qt::ControlModifier ? kCtrl : 0) |
           (modifiers & Qt::AltModifier ? kAlt : 0);
}

std::optional<int> NumericPadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma: return 110;
    case Qt::Key_Slash: return 111;
    case Qt::Key_Enter:
    case Qt::Key_Return: return 13;
    default: return std::nullopt;
    }
}

// The symbols a US keyboard gives with Shift, by the key that gives them.
std::optional<int> ShiftedSymbolKey(int key) {
    switch (key) {
    case Qt::Key_ParenRight: return 48;
    case Qt::Key_Exclam: return 49;
    case Qt::Key_At: return 50;
    case Qt::Key_NumberSign: return 51;
    case Qt::Key_Dollar: return 52;
    case Qt::Key_Percent: return 53;
    case Qt::Key_AsciiCircum: return 54;
    case Qt::Key_Ampersand: return 55;
    case Qt::Key_Asterisk: return 56;
    case Qt::Key_ParenLeft: return 57;
    case Qt::Key_Plus: return 187;
    case Qt::Key_Underscore: return 189;
    case Qt::Key_Greater: return 190;
    case Qt::Key_Question: return 191;
    default: return std::nullopt;
    }
}

// Keys that carry the same code whatever the shift state.
std::optional<int> MainKeyCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 48 + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 65 + (key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Equal: return 187;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Period: return 190;
    case Qt::Key_Slash: return 191;
    // A "+" or "*" typed without Shift (keyboards with their own key for them) is the character
    // itself: the table's code of "+" and the numeric pad's "*".
    case Qt::Key_Plus: return 43;
    case Qt::Key_Asterisk: return 106;
    default: return std::nullopt;
    }
}

}  // namespace

std::optional<VirtualKey> TranslateKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    const int shift = ShiftState(modifiers);
    std::optional<int> code;
    if (modifiers & Qt::KeypadModifier)
        code = NumericPadCode(qtKey);
    else if (modifiers & Qt::ShiftModifier)
        code = ShiftedSymbolKey(qtKey);
    if (!code) code = MainKeyCode(qtKey);
    if (!code) return std::nullopt;
    return VirtualKey{*code, shift};
}

std::optional<VirtualKey> TranslateKey(const QKeyEvent& event) {
    return TranslateKey(event.key(), event.modifiers());
}
