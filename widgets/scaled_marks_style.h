// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The desktop's style with its option and check marks and its combo box's arrow drawn at the
// face's scale: the style draws them at one size, however large the text beside them.
class ScaledMarksStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void SetScale(qreal scale) { scale_ = scale; }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;

private:
    qreal scale_ = 1;
};
