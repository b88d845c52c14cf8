// SPDX-License-Identifier: MIT
#pragma once

// Keeps every text range that a screen reader asks the rectangle of within the object's text,
// before Qt's accessibility bridge answers it.
void GuardAccessibleRanges();
