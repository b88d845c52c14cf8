// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

// Numora's own pictures, drawn rather than stored so that they stay sharp at any scaling.
QPixmap CalculatorPicture(QSize size);
QPixmap VoicePicture(QSize size);
QPixmap AboutBackground(QSize size, QColor colour);
QIcon NumoraIcon();
