// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

class QApplication;
class QWidget;

// The face paints some panels in colours of its own and takes the rest from the desktop. On any
// desktop palette, light, dark or high contrast, every text must read at 4.5:1 or better
// against what is behind it, disabled texts included.
inline constexpr double kLeastContrast = 4.5;

// WCAG 2.1: from 1 (the same) to 21 (black on white).
double ContrastRatio(QColor a, QColor b);
// `text` where it reads on `background`, else the nearest colour toward white or black that does.
QColor ReadableOn(QColor text, QColor background);

// The desktop's palette with every text readable on its background; disabled texts are the
// faintest that still read.
QPalette ReadablePalette(const QPalette& desktop);
// A panel that the face paints `design` with `text` on it, on a desktop palette: as designed on
// a light desktop, a dark shade of its own hue on a dark one, the desktop's own colours on a
// high-contrast one, so that the face stays whole and recognisable.
QPalette PanelPalette(const QPalette& desktop, QColor design, QColor text);

// Marks `widget` as such a panel and gives it its palette (now, and whenever the desktop's
// changes); it fills its background when `filled`, else its texts stand on what its parent paints.
void SetPanelColours(QWidget* widget, QColor design, QColor text, bool filled = true);
// Gives every window the readable palette when it is first shown and again, with its panels,
// whenever the desktop's palette changes.
void FollowDesktopPalette(QApplication& app);
