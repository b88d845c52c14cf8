// SPDX-License-Identifier: MIT
#include "shell/topmost.h"

#include <QWidget>

void SetTopmost(QWidget* window, bool topmost) {
    if (window == nullptr) return;
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost) return;
    // Changing a window flag hides a shown window; show it again where it was.
    const bool wasVisible = window->isVisible();
    const QRect geometry = window->geometry();
    const bool noActivation = window->testAttribute(Qt::WA_ShowWithoutActivating);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (wasVisible) {
        window->setAttribute(Qt::WA_ShowWithoutActivating, true);
        window->setGeometry(geometry);
        window->show();
        window->setAttribute(Qt::WA_ShowWithoutActivating, noActivation);
    }
}
