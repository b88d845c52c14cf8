// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

// The face is laid out in twips; at 96 dpi 15 twips make one pixel, and Qt scales the logical
// pixels on high-density screens.
constexpr int TwipsToPixels(int twips) { return (twips * 2 + 15) / 30; }

constexpr QRect TwipRect(int x, int y, int width, int height) {
    return QRect(TwipsToPixels(x), TwipsToPixels(y), TwipsToPixels(width), TwipsToPixels(height));
}
