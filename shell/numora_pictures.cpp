// SPDX-License-Identifier: MIT
#include "shell/numora_pictures.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

namespace {

QPixmap Canvas(QSize size) {
    const qreal ratio = qGuiApp->devicePixelRatio();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

// A calculator seen from the front: black display, orange keypad, blue function keys.
QPixmap CalculatorPicture(QSize size) {
    QPixmap pixmap = Canvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    painter.setPen(QPen(QColor(40, 40, 60), w / 40));
    painter.setBrush(QColor(220, 220, 235));
    painter.drawRoundedRect(QRectF(w * 0.05, h * 0.03, w * 0.9, h * 0.94), w * 0.1, w * 0.1);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(w * 0.15, h * 0.1, w * 0.7, h * 0.2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 255, 120));
    painter.drawRect(QRectF(w * 0.5, h * 0.17, w * 0.28, h * 0.06));
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            painter.setBrush(row == 0 ? QColor(0, 0, 255) : QColor(255, 192, 128));
            painter.drawRoundedRect(QRectF(w * (0.15 + column * 0.18), h * (0.38 + row * 0.14), w * 0.14, h * 0.1),
                                    w * 0.02, w * 0.02);
        }
    return pixmap;
}

// A loudspeaker with sound waves: the calculator speaks.
QPixmap VoicePicture(QSize size) {
    QPixmap pixmap = Canvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 128));
    painter.drawPolygon(QPolygonF({{w * 0.1, h * 0.38},
                                   {w * 0.28, h * 0.38},
                                   {w * 0.5, h * 0.15},
                                   {w * 0.5, h * 0.85},
                                   {w * 0.28, h * 0.62},
                                   {w * 0.1, h * 0.62}}));
    painter.setPen(QPen(Qt::white, w / 16, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int wave = 1; wave <= 3; ++wave) {
        const qreal r = w * 0.12 * wave;
        painter.drawArc(QRectF(w * 0.5 - r, h * 0.5 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    return pixmap;
}

QPixmap AboutBackground(QSize size, QColor colour) {
    QPixmap pixmap = Canvas(size);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, colour.darker(125));
    painter.fillRect(QRect(QPoint(0, 0), size), gradient);
    painter.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (int x = -size.height(); x < size.width(); x += 12) painter.drawLine(x, size.height(), x + size.height(), 0);
    return pixmap;
}

QIcon NumoraIcon() {
    QIcon icon;
    for (int side : {32, 64}) icon.addPixmap(CalculatorPicture(QSize(side, side)));
    return icon;
}
