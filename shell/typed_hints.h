// SPDX-License-Identifier: MIT
#pragma once

class QKeyEvent;

// What to do instead, for a typed character that looks like a calculator's but has no key here:
// a text marked for the catalogues, or nullptr for keys that need no hint. Chords with Ctrl or
// Alt are shortcuts, never hints.
const char* TypedCharacterHint(const QKeyEvent& event);
