// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QByteArray>

class QWidget;

// The launcher's start-up notification id this copy was started with: XDG_ACTIVATION_TOKEN
// on Wayland, else DESKTOP_STARTUP_ID on X11; empty without one. Read it before QApplication
// exists: Qt's X11 plugin takes DESKTOP_STARTUP_ID out of the environment when it connects.
QByteArray LauncherStartupId();

// Runs `bringForward` for a later copy started with `startupId`. The id lets the window come
// forward under the desktop's focus-stealing prevention and ends the launcher's busy cursor:
// on Wayland it becomes the activation token, on X11 it gives the activation its time and
// closes the start-up sequence.
void BringForwardForLauncher(QWidget& window, const QByteArray& startupId, const std::function<void()>& bringForward);
