// SPDX-License-Identifier: MIT
#include "widgets/face_scale.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>

#include "widgets/scaled_marks_style.h"
#include "widgets/text_fit.h"

namespace {

// Widgets whose children are placed by hand or by a layout, or are the pages of a tab control,
// as opposed to composite controls (lists, combo boxes, tab bars) that keep their parts to
// themselves.
bool IsContainer(const QWidget& widget) {
    const char* kind = widget.metaObject()->className();
    return qstrcmp(kind, "QWidget") == 0 || qstrcmp(kind, "QFrame") == 0 || qstrcmp(kind, "QStackedWidget") == 0 ||
           qstrcmp(kind, "QTabWidget") == 0;
}

}  // namespace

int Scaled(int length, qreal scale) { return int(std::lround(length * scale)); }

QRect Scaled(const QRect& rect, qreal scale) {
    const int left = Scaled(rect.left(), scale), top = Scaled(rect.top(), scale);
    return QRect(left, top, Scaled(rect.left() + rect.width(), scale) - left,
                 Scaled(rect.top() + rect.height(), scale) - top);
}

QFont Scaled(const QFont& font, qreal scale) {
    QFont scaled = font;
    if (font.pointSizeF() > 0) scaled.setPointSizeF(font.pointSizeF() * scale);
    else scaled.setPixelSize(std::max(1, Scaled(font.pixelSize(), scale)));
    return scaled;
}

void FaceScale::Record(QWidget& root, const QList<const QWidget*>& leave) { Visit(root, false, leave); }

void FaceScale::Visit(QWidget& widget, bool placedByHand, const QList<const QWidget*>& leave) {
    Item item;
    item.widget = &widget;
    if (placedByHand) item.rect = widget.geometry();
    if (widget.minimumWidth() == widget.maximumWidth()) item.fixed.setWidth(widget.minimumWidth());
    if (widget.minimumHeight() == widget.maximumHeight()) item.fixed.setHeight(widget.minimumHeight());
    item.font = widget.font();
    item.font.setResolveMask(QFont::AllPropertiesResolved);
    if (const auto* frame = qobject_cast<const QFrame*>(&widget); frame && frame->frameShape() != QFrame::NoFrame)
        item.lineWidth = frame->lineWidth();
    items_.push_back(item);
    if (leave.contains(&widget)) return;
    if (!IsContainer(widget)) return;
    const bool placesByHand = widget.layout() == nullptr && !qobject_cast<QTabWidget*>(&widget);
    for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow()) Visit(*child, placesByHand, leave);
}

void FaceScale::Apply(qreal scale) {
    if (marks_ != nullptr) marks_->SetScale(scale);
    for (const Item& item : items_) {
        QWidget* widget = item.widget;
        if (widget == nullptr) continue;
        if (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget) ||
            qobject_cast<QComboBox*>(widget)) {
            // Made only once the face is drawn at another scale than its design.
            if (marks_ == nullptr) {
                marks_ = new ScaledMarksStyle(QStyleFactory::create(QApplication::style()->name()));
                marks_->setParent(items_.front().widget);
                marks_->SetScale(scale);
            }
            // Set again at each change, so that the marks' new size is measured.
            widget->setStyle(marks_);
        }
        SetDesignFont(*widget, Scaled(item.font, scale));
        if (item.lineWidth >= 0) static_cast<QFrame*>(widget)->setLineWidth(Scaled(item.lineWidth, scale));
        if (item.fixed.width() >= 0) widget->setFixedWidth(Scaled(item.fixed.width(), scale));
        if (item.fixed.height() >= 0) widget->setFixedHeight(Scaled(item.fixed.height(), scale));
        if (item.rect) widget->setGeometry(Scaled(*item.rect, scale));
    }
}
