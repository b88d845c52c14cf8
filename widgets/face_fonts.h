// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The face's fonts by their design names, falling back to metric-compatible families when the
// design font is not installed.
QFont TahomaFont(qreal pointSize, bool bold = false);
QFont CourierNewFont(qreal pointSize, bool bold = false);
QFont VerdanaFont(qreal pointSize, bool bold = false);
