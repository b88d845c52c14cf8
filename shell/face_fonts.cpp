// SPDX-License-Identifier: MIT
#include "shell/face_fonts.h"

#include <QStringList>

namespace {

QFont FontOf(const QStringList& families, qreal pointSize, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont TahomaFont(qreal pointSize, bool bold) {
    return FontOf({"Tahoma", "Liberation Sans", "DejaVu Sans"}, pointSize, bold);
}

QFont CourierNewFont(qreal pointSize, bool bold) {
    return FontOf({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}, pointSize, bold);
}

QFont VerdanaFont(qreal pointSize, bool bold) {
    return FontOf({"Verdana", "DejaVu Sans", "Liberation Sans"}, pointSize, bold);
}
