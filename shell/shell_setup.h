// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

inline constexpr const char* kApplicationTitle = "Numora";

// Names, version and icon of the application, and the C library's number format: Qt adopts the
// user's locale at start, whose decimal comma would break the engine's number texts.
void PrepareApplication(QApplication& app);
