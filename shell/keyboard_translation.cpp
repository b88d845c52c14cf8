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

// Keys that print nothing: the same on every layout.
std::optional<int> SilentKeyCode(int key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Delete: return 46;
    default: return std::nullopt;
    }
}

// The US key that prints the character, and whether it takes Shift there.
std::optional<VirtualKey> UsKeyOf(char32_t c) {
    if (c >= '0' && c <= '9') return VirtualKey{int(c), 0};
    if (c >= 'a' && c <= 'z') return VirtualKey{int(c - 'a' + 'A'), 0};
    if (c >= 'A' && c <= 'Z') return VirtualKey{int(c), kShift};
    switch (c) {
    case ' ': return VirtualKey{32, 0};
    case ')': return VirtualKey{48, kShift};
    case '!': return VirtualKey{49, kShift};
    case '@': return VirtualKey{50, kShift};
    case '#': return VirtualKey{51, kShift};
    case '$': return VirtualKey{52, kShift};
    case '%': return VirtualKey{53, kShift};
    case '^': return VirtualKey{54, kShift};
    case '&': return VirtualKey{55, kShift};
    case '*': return VirtualKey{56, kShift};
    case '(': return VirtualKey{57, kShift};
    case '=': return VirtualKey{187, 0};
    case '+': return VirtualKey{187, kShift};
    case ',': return VirtualKey{188, 0};
    case '<': return VirtualKey{188, kShift};
    case '-': return VirtualKey{189, 0};
    case '_': return VirtualKey{189, kShift};
    case '.': return VirtualKey{190, 0};
    case '>': return VirtualKey{190, kShift};
    case '/': return VirtualKey{191, 0};
    case '?': return VirtualKey{191, kShift};
    default: return std::nullopt;
    }
}

// The character the key printed. With Ctrl held X11 prints a control character (Ctrl+Shift+6
// prints 0x1E), so the key's own symbol, which Qt reports as its key code, stands in for it.
std::optional<char32_t> PrintedCharacter(int key, const QString& text) {
    const QList<uint> characters = text.toUcs4();
    if (characters.size() == 1 && QChar::isPrint(characters.front())) return characters.front();
    if (key > ' ' && key < 0x7F) return char32_t(key);
    return std::nullopt;
}

}  // namespace

std::optional<VirtualKey> TranslateKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    const int shift = ShiftState(modifiers);
    // Where "^" is a dead key (German, French), the face's controls take no composed input and
    // hear the dead key itself, at once.
    if (qtKey == Qt::Key_Dead_Circumflex && (shift & (kCtrl | kAlt)) == 0) return UsKeyOf(U'^');
    if (modifiers & Qt::KeypadModifier) {
        if (const std::optional<int> code = NumericPadCode(qtKey)) return VirtualKey{*code, shift};
    }
    if (const std::optional<int> code = SilentKeyCode(qtKey)) return VirtualKey{*code, shift};
    const std::optional<char32_t> printed = PrintedCharacter(qtKey, text);
    if (!printed) return std::nullopt;
    std::optional<VirtualKey> key = UsKeyOf(*printed);
    // The Shift the user held made the character; the table hears the Shift the US key needs.
    if (key) key->shiftState |= shift & (kCtrl | kAlt);
    return key;
}

std::optional<VirtualKey> TranslateKey(const QKeyEvent& event) {
    return TranslateKey(event.key(), event.modifiers(), event.text());
}
