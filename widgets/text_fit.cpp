// SPDX-License-Identifier: MIT
#include "widgets/text_fit.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>

namespace {

constexpr const char* kDesignFont = "numoraDesignFont";
constexpr int kNarrowest = 60;  // per cent of the design font's width
constexpr const char* kFitted = "numoraFitted";

int TextWidth(QWidget& widget) {
    if (auto* tabs = qobject_cast<QTabBar*>(&widget)) {
        int widest = 0;
        for (int i = 0; i < tabs->count(); ++i)
            widest = std::max(widest, tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)));
        return widest;
    }
    QString text = qobject_cast<QLabel*>(&widget) ? qobject_cast<QLabel*>(&widget)->text()
                                                  : qobject_cast<QAbstractButton*>(&widget)->text();
    int widest = 0;
    for (const QString& line : text.remove('&').split('\n'))
        widest = std::max(widest, widget.fontMetrics().horizontalAdvance(line));
    return widest;
}

// Whether the text's lines surely fit `room` without measuring them: every character at most as
// wide as the font's widest; measuring shapes the text, which at start-up is most of the cost.
bool SurelyFits(const QWidget& widget, const QString& text, int room) {
    qsizetype longest = 0;
    for (const QStringView line : QStringView(text).split(u'\n')) longest = std::max(longest, line.size());
    return longest * widget.fontMetrics().maxWidth() <= room;
}

// How much wider the text is than its room, in pixels of the design font (0: it fits).
int Overflow(QWidget& widget) {
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
            return 0;
        QString shown = label->text();
        if (label->buddy()) shown.replace("&&", "\1").remove('&').replace('\1', '&');
        const int room = label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
        if (SurelyFits(*label, shown, room - 1)) return 0;
        int widest = 0;
        for (const QString& line : shown.split('\n'))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        return std::max(0, widest + 1 - room);
    }
    if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        // A push button's size hint has a minimum width of the style's; its text needs less.
        if (button->text().isEmpty()) return 0;
        const int margins = 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        if (SurelyFits(*button, button->text(), button->width() - margins)) return 0;
        return std::max(0, TextWidth(widget) + margins - button->width());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        return button->text().isEmpty() ? 0 : std::max(0, button->sizeHint().width() - button->width());
    if (auto* tabs = qobject_cast<QTabBar*>(&widget)) {
        int overflow = 0;
        for (int i = 0; i < tabs->count(); ++i)
            overflow = std::max(overflow,
                                tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) + 4 - tabs->tabRect(i).width());
        return std::max(0, overflow);
    }
    return 0;
}

void Fit(QWidget& widget) {
    if (!qobject_cast<QLabel*>(&widget) && !qobject_cast<QAbstractButton*>(&widget) && !qobject_cast<QTabBar*>(&widget))
        return;
    // A widget fitted before gets its own font back first, or its parent's when it had none, so
    // that it follows a later change of its parent's; most never need fitting, and keep their
    // font untouched.
    const QVariant design = widget.property(kDesignFont);
    if (design.isValid()) widget.setFont(design.value<QFont>());
    const int overflow = Overflow(widget);
    if (overflow == 0) return;
    if (!design.isValid())
        widget.setProperty(kDesignFont, widget.testAttribute(Qt::WA_SetFont) ? widget.font() : QFont());
    const int text = std::max(1, TextWidth(widget));
    const double wanted = std::max(0.1, double(text - overflow) / text);
    QFont fitted = widget.font();
    fitted.setStretch(std::max(kNarrowest, int(100 * wanted)));
    if (wanted * 100 < kNarrowest) {
        const double smaller = wanted * 100 / kNarrowest;
        if (fitted.pointSizeF() > 0) fitted.setPointSizeF(fitted.pointSizeF() * smaller);
        else fitted.setPixelSize(std::max(6, int(fitted.pixelSize() * smaller)));
    }
    widget.setFont(fitted);
}

class WindowShowWatch final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && !widget->property(kFitted).toBool()) FitTexts(*widget);
        }
        return false;
    }
};

}  // namespace

void FitTexts(QWidget& root) {
    root.window()->setProperty(kFitted, true);
    Fit(root);
    for (QWidget* child : root.findChildren<QWidget*>()) Fit(*child);
}

void SetDesignFont(QWidget& widget, const QFont& font) {
    widget.setFont(font);
    if (widget.property(kDesignFont).isValid()) widget.setProperty(kDesignFont, font);
}

void FitTextsOfEveryWindow(QApplication& app) { app.installEventFilter(new WindowShowWatch(&app)); }
