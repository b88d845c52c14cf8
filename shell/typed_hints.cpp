// SPDX-License-Identifier: MIT
#include "shell/typed_hints.h"

#include <QKeyEvent>

const char* TypedCharacterHint(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return nullptr;
    const QList<uint> characters = event.text().toUcs4();
    if (characters.size() != 1) return nullptr;
    const char32_t c = characters.front();
    switch (c) {
    case '(':
    case ')':
    case '[':
    case ']':
    case '{':
    case '}': return QT_TRANSLATE_NOOP("Numora", "No brackets: Numora evaluates by priority as you key");
    case '%': return QT_TRANSLATE_NOOP("Numora", "No percent key: multiply by 1.15 for 15%");
    default: return QChar::isLetter(c) ? QT_TRANSLATE_NOOP("Numora", "No key for that letter") : nullptr;
    }
}
