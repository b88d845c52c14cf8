// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include <QFont>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

class ScaledMarksStyle;

// The face is drawn by hand in pixels for 100%. Drawn larger, every widget placed by hand, every
// fixed size, frame line, option mark and font grows by one factor, always from the design it was recorded
// with, so that zooming in and out again never piles up rounding. Each widget gets its font of
// its own: a style sheet stops a parent's font from reaching the widgets below it.
class FaceScale {
public:
    // Takes the widgets below `root`, the root included, as drawn now for the design; the
    // children of `leave` are left to scale themselves.
    void Record(QWidget& root, const QList<const QWidget*>& leave = {});
    void Apply(qreal scale);

private:
    struct Item {
        QPointer<QWidget> widget;
        std::optional<QRect> rect;  // where its parent places it by hand
        QSize fixed{-1, -1};  // a side of -1 is not fixed
        QFont font;
        int lineWidth = -1;  // a frame's
    };

    void Visit(QWidget& widget, bool placedByHand, const QList<const QWidget*>& leave);

    std::vector<Item> items_;
    QPointer<ScaledMarksStyle> marks_;  // a child of the first root, so that it outlives its users
};

// A design length or rectangle at a scale; a rectangle's edges are scaled rather than its size,
// so that widgets that touch in the design still touch.
int Scaled(int length, qreal scale);
QRect Scaled(const QRect& rect, qreal scale);
QFont Scaled(const QFont& font, qreal scale);
