// SPDX-License-Identifier: MIT
#include "shell/activation_wait.h"

#include <memory>
#include <utility>

#include <QTimer>
#include <QWidget>
#include <QWindow>

void AwaitActivation(QWidget& window, int timeoutMs, std::function<void(bool active)> done) {
    QWindow* native = window.windowHandle();
    if (native == nullptr || native->isActive()) {
        done(native != nullptr);
        return;
    }
    auto* watch = new QObject(native);
    auto answered = std::make_shared<bool>(false);
    const auto finish = [watch, answered, done = std::move(done)](bool active) {
        if (std::exchange(*answered, true)) return;
        watch->deleteLater();
        done(active);
    };
    QObject::connect(native, &QWindow::activeChanged, watch, [native, finish] {
        if (native->isActive()) finish(true);
    });
    QTimer::singleShot(timeoutMs, watch, [finish] { finish(false); });
}
