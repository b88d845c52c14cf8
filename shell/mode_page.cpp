// SPDX-License-Identifier: MIT
#include "shell/calc_main_frm.h"

#include <array>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "keys/mode_controls.h"
#include "widgets/panel_colours.h"
#include "widgets/translated_text.h"
#include "widgets/twips.h"

namespace {

QWidget* StripBox(QWidget* parent, const char* name, QRect rect, QColor colour, QColor text = Qt::black) {
    auto* box = new QWidget(parent);
    box->setObjectName(name);
    box->setGeometry(rect);
    SetPanelColours(box, colour, text);
    return box;
}

QWidget* ModeGroup(QWidget* page, const char* name, int x, const char* heading) {
    QWidget* group = StripBox(page, name, TwipRect(x, 30, 2185, 1695), Qt::white);
    QWidget* strip = StripBox(group, "HeadingStrip", TwipRect(15, 15, 2130, 330), QColor(0, 0, 255), Qt::white);
    auto* label = new QLabel(strip);
    SetWindowText(label, heading);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, 0, strip->width(), strip->height());
    return group;
}

QRadioButton* ModeOption(QWidget* group, const char* name, int y, const char* caption) {
    auto* option = new QRadioButton(group);
    SetWindowText(option, caption, " ");
    SetAccessibleWindowText(option, caption);
    option->setObjectName(name);
    option->setGeometry(TwipRect(180, y, 1815, 255));
    option->setFocusPolicy(Qt::TabFocus);
    return option;
}

// Selects the one option of a group the model names; with none named the group shows none,
// which an exclusive group only allows while its exclusiveness is lifted.
void SelectOption(std::initializer_list<std::pair<QRadioButton*, bool>> group) {
    for (const auto& [option, selected] : group)
        if (selected) {
            option->setChecked(true);
            return;
        }
    for (const auto& [option, selected] : group) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

}  // namespace

void CalcMainFrm::CreateModePage(QWidget* panel) {
    QWidget* display = ModeGroup(panel, "DisplayModeGroup", 30, QT_TRANSLATE_NOOP("Numora", "Display Modes"));
    widgets_.fxnButton = ModeOption(display, "FxnButton", 555, QT_TRANSLATE_NOOP("Numora", "Fixed Mode"));
    widgets_.scnButton = ModeOption(display, "ScnButton", 915, QT_TRANSLATE_NOOP("Numora", "Scientific Mode"));
    widgets_.stdButton = ModeOption(display, "StdButton", 1275, QT_TRANSLATE_NOOP("Numora", "Normal Mode"));

    QWidget* angle = ModeGroup(panel, "AngleModeGroup", 2240, QT_TRANSLATE_NOOP("Numora", "Angular Modes"));
    widgets_.degButton = ModeOption(angle, "DegButton", 555, QT_TRANSLATE_NOOP("Numora", "Degree Mode"));
    widgets_.radButton = ModeOption(angle, "RadButton", 915, QT_TRANSLATE_NOOP("Numora", "Radian Mode"));
    widgets_.gradButton = ModeOption(angle, "GradButton", 1275, QT_TRANSLATE_NOOP("Numora", "Gradian Mode"));

    QWidget* strip = StripBox(panel, "PrecisionStrip", TwipRect(30, 1740, 4400, 340), QColor(128, 128, 255));
    widgets_.precLab = new QLabel(strip);
    SetWindowText(widgets_.precLab, QT_TRANSLATE_NOOP("Numora", "Display Precision [for Fixed && Scientific Modes]"));
    widgets_.precLab->setObjectName("PrecLab");
    widgets_.precLab->setTextFormat(Qt::PlainText);
    widgets_.precLab->setGeometry(TwipRect(90, 75, 3330, 195));
    widgets_.precBox = new QComboBox(strip);
    widgets_.precBox->setObjectName("PrecBox");
    widgets_.precBox->setFocusPolicy(Qt::TabFocus);
    // A list is named by its labels; its own name is the chosen entry.
    widgets_.precLab->setBuddy(widgets_.precBox);
    const QRect precRect = TwipRect(3510, 10, 870, 0);
    widgets_.precBox->setGeometry(precRect.x(), precRect.y(), precRect.width(), widgets_.precBox->sizeHint().height());

    const std::array<std::pair<QRadioButton*, void (*)(Calculator&)>, 6> handlers{
        {{widgets_.degButton, DegButton_Click},
         {widgets_.radButton, RadButton_Click},
         {widgets_.gradButton, GradButton_Click},
         {widgets_.fxnButton, FxnButton_Click},
         {widgets_.scnButton, ScnButton_Click},
         {widgets_.stdButton, StdButton_Click}}};
    for (const auto& [option, handler] : handlers)
        connect(option, &QRadioButton::clicked, this, [this, handler = handler] { RunKey(handler); });
    connect(widgets_.precBox, &QComboBox::activated, this,
            [this](int index) { RunKey([index](Calculator& calc) { PrecBox_Click(calc, index); }); });
}

// The mode controls and the Modes menu's check marks show the engine's model of them.
void CalcMainFrm::SyncModeControls() {
    const ModePanel mode = MakeModePanel(*calc_);
    using Angle = ModePanel::Angle;
    using Display = ModePanel::Display;
    SelectOption({{widgets_.degButton, mode.angle == Angle::Degree},
                  {widgets_.radButton, mode.angle == Angle::Radian},
                  {widgets_.gradButton, mode.angle == Angle::Gradian}});
    SelectOption({{widgets_.fxnButton, mode.display == Display::Fixed},
                  {widgets_.scnButton, mode.display == Display::Scientific},
                  {widgets_.stdButton, mode.display == Display::Normal}});
    widgets_.precBox->setEnabled(mode.precisionEnabled);
    widgets_.precLab->setEnabled(mode.precisionEnabled);
    const int selection = mode.precisionSelection < widgets_.precBox->count() ? mode.precisionSelection : -1;
    if (widgets_.precBox->currentIndex() != selection) widgets_.precBox->setCurrentIndex(selection);
    if (actions_.degree != nullptr) {
        actions_.degree->setChecked(mode.angle == Angle::Degree);
        actions_.radian->setChecked(mode.angle == Angle::Radian);
        actions_.gradian->setChecked(mode.angle == Angle::Gradian);
        actions_.fixed->setChecked(mode.display == Display::Fixed);
        actions_.sci->setChecked(mode.display == Display::Scientific);
        actions_.normal->setChecked(mode.display == Display::Normal);
    }
}
