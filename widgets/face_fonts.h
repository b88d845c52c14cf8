// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The face's fonts by their design names, falling back to metric-compatible families when the
// design font is not installed.
QFont TahomaFont(qreal pointSize, bool bold = false);
QFont CourierNewFont(qreal pointSize, bool bold = false);
QFont VerdanaFont(qreal pointSize, bool bold = false);

// How much larger than Qt's own default (9 pt, which a desktop without a platform theme gets)
// the desktop's font is, never less than 1: the face grows with it and never shrinks below its
// design.
qreal DesktopFontScale();
