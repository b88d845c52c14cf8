// SPDX-License-Identifier: MIT
#include "widgets/scaled_marks_style.h"

#include <QPainter>
#include <QStyleOptionComboBox>

#include "widgets/face_scale.h"

int ScaledMarksStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_CheckBoxLabelSpacing: return Scaled(size, scale_);
    default: return size;
    }
}

// In whole multiples, so that the box's lines stay sharp; its text is the widget's, in its font.
void ScaledMarksStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                          const QWidget* widget) const {
    const int factor = int(scale_);
    const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || box == nullptr || factor < 2) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionComboBox drawn = *box;
    drawn.rect = QRect(box->rect.topLeft() / factor, box->rect.size() / factor);
    painter->save();
    painter->scale(factor, factor);
    QProxyStyle::drawComplexControl(control, &drawn, painter, widget);
    painter->restore();
}
