// SPDX-License-Identifier: MIT
#include "shell/topmost.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

bool PlatformKeepsWindowsOnTop() { return !QGuiApplication::platformName().startsWith("wayland"); }

void SetTopmost(QWidget* window, bool topmost) {
    if (window == nullptr || !PlatformKeepsWindowsOnTop()) return;
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost) return;
    QWindow* native = window->windowHandle();
    if (native == nullptr) {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
        return;
    }
    // QWidget::setWindowFlag would destroy and re-create the native window (a flicker and the
    // keyboard focus lost); the native window changes its layer in place, and the widget is
    // only told the flag.
    window->overrideWindowFlags(window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, topmost));
    native->setFlag(Qt::WindowStaysOnTopHint, topmost);
}
