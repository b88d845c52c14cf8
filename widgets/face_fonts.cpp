// SPDX-License-Identifier: MIT
#include "widgets/face_fonts.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

namespace {

// The first installed family of the list, so that Qt need not search for a substitute of a
// missing design font each time one is asked for.
QString InstalledFamily(const QStringList& families) {
    for (const QString& family : families)
        if (QFontDatabase::hasFamily(family)) return family;
    return families.front();
}

QFont FontOf(const QString& family, qreal pointSize, bool bold) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

constexpr qreal kReferencePoints = 9;

}  // namespace

QFont TahomaFont(qreal pointSize, bool bold) {
    static const QString family = InstalledFamily({"Tahoma", "Liberation Sans", "DejaVu Sans"});
    return FontOf(family, pointSize, bold);
}

QFont CourierNewFont(qreal pointSize, bool bold) {
    static const QString family = InstalledFamily({"Courier New", "Liberation Mono", "DejaVu Sans Mono"});
    return FontOf(family, pointSize, bold);
}

QFont VerdanaFont(qreal pointSize, bool bold) {
    static const QString family = InstalledFamily({"Verdana", "DejaVu Sans", "Liberation Sans"});
    return FontOf(family, pointSize, bold);
}

qreal DesktopFontScale() {
    const QFont font = QGuiApplication::font();
    // A desktop may give its font in pixels; its point size is then the one the screen shows.
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    return std::max<qreal>(1, points / kReferencePoints);
}
