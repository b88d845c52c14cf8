// SPDX-License-Identifier: MIT
#include "display/display_panel_widget.h"

#include <QLabel>
#include <QPainter>

#include "display/shown_text.h"
#include "widgets/face_fonts.h"
#include "widgets/face_scale.h"
#include "widgets/panel_colours.h"
#include "widgets/twips.h"

namespace {

constexpr int kRuleY = 300;
constexpr int kRuleRight = 4620;
constexpr qreal kDisplayPoints = 18;
constexpr qreal kExpoPoints = 14.25;

}  // namespace

DisplayPanelWidget::DisplayPanelWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("Frame1");
    setFocusPolicy(Qt::StrongFocus);
    SetPanelColours(this, Qt::black, Qt::white);

    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    mem_ = AddLabel("Mem_Indicator", TwipRect(180, 60, 330, 195), left, "MEM");
    ccalc_ = AddLabel("CCalc_Indicator", TwipRect(1380, 60, 90, 195), left, "K");
    mode_ = AddLabel("Mode_Indicator", TwipRect(2580, 60, 300, 195), left, "DEG");
    dispMode_ = AddLabel("DispMode_Indicator", TwipRect(3900, 60, 450, 195), left, "NORM");
    date_ = AddLabel("DateBox", TwipRect(2610, 420, 0, 195), Qt::AlignCenter, "");
    operator_ = AddLabel("OperatorIndicator", TwipRect(4380, 360, 45, 195), right, "");
    display_ = AddLabel("DisplayBox", TwipRect(60, 660, 3735, 375), right, "123456789.0");
    expo_ = AddLabel("ExpoBox", TwipRect(3900, 660, 495, 375), right, "00");
    ScaleFonts();
    for (const Field* f : {&mem_, &ccalc_, &mode_, &dispMode_, &date_, &operator_, &display_, &expo_})
        SetText(*f, f->label->text().toStdString());
}

DisplayPanelWidget::Field DisplayPanelWidget::AddLabel(const char* name, QRect designRect, Qt::Alignment alignment,
                                                       const QString& designText) {
    auto* label = new QLabel(designText, this);
    label->setObjectName(name);
    label->setAlignment(alignment);
    label->setGeometry(designRect);
    label->setTextFormat(Qt::PlainText);
    return {label, designRect, alignment};
}

// A label never clips its text: one narrower than its text grows away from its aligned edge
// (the date line stays inside the frame), one wider keeps its design size.
void DisplayPanelWidget::SetText(const Field& field, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (field.label->text() != shown) field.label->setText(shown);
    QRect rect = Scaled(field.designRect, scale_);
    const int needed = field.label->fontMetrics().horizontalAdvance(shown) + 2;
    if (field.alignment & Qt::AlignHCenter) {
        rect.setWidth(needed);
        if (rect.right() >= width()) rect.moveRight(width() - 1);
    } else if (needed > rect.width()) {
        if (field.alignment & Qt::AlignRight) rect.setLeft(rect.right() + 1 - needed);
        else rect.setWidth(needed);
    }
    if (field.label->geometry() != rect) field.label->setGeometry(rect);
}

void DisplayPanelWidget::Render(const DisplayPanel& panel) {
    shown_ = panel;
    SetText(mem_, panel.Mem_Indicator);
    SetText(ccalc_, panel.CCalc_Indicator);
    SetText(mode_, panel.Mode_Indicator);
    SetText(dispMode_, panel.DispMode_Indicator);
    SetText(date_, panel.DateBox);
    SetText(operator_, panel.OperatorIndicator);
    SetText(display_, DisplayedBox(panel.DisplayBox));
    SetText(expo_, panel.ExpoBox);
}

void DisplayPanelWidget::SetScale(qreal scale) {
    scale_ = scale;
    ScaleFonts();
    Render(shown_);
    update();
}

void DisplayPanelWidget::ScaleFonts() {
    display_.label->setFont(CourierNewFont(kDisplayPoints * scale_, true));
    expo_.label->setFont(CourierNewFont(kExpoPoints * scale_, true));
}

void DisplayPanelWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.scale(scale_, scale_);
    painter.setPen(QColor(64, 64, 64));
    const int y = TwipsToPixels(kRuleY);
    painter.drawLine(0, y, TwipsToPixels(kRuleRight), y);
}
