// SPDX-License-Identifier: MIT
#include <algorithm>

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QWheelEvent>

#include "display/display_panel_widget.h"
#include "shell/calc_main_frm.h"
#include "shell/preferences.h"
#include "shell/zoom_steps.h"
#include "tape/tape_panel_widget.h"
#include "widgets/face_fonts.h"
#include "widgets/text_fit.h"

namespace {

constexpr int kWheelStep = 120;  // eighths of a degree: one notch of a common wheel

}  // namespace

void CalcMainFrm::SetZoom(int percent) {
    zoom_ = percent;
    StoreSizePreference(settings_, kZoomKey, zoom_);
    ApplyFaceScale();
}

void CalcMainFrm::ApplyFaceScale() {
    actions_.zoomIn->setEnabled(ZoomedIn(zoom_) != zoom_);
    actions_.zoomOut->setEnabled(ZoomedOut(zoom_) != zoom_);
    actions_.actualSize->setEnabled(zoom_ != kZoomSteps.front());
    const qreal barScale = DesktopFontScale();
    const qreal scale = barScale * zoom_ / 100;
    if (barScale == appliedBarScale_ && scale == appliedScale_) return;
    appliedBarScale_ = barScale;
    appliedScale_ = scale;
    barScale_.Apply(barScale);
    faceScale_.Apply(scale);
    widgets_.frame->SetScale(scale);
    tapePanel_->SetScale(scale);
    SizeTabs(scale);
    // The tab control places its bar and pages, and the window follows the face, at once rather
    // than at the next turn of the event loop: texts are fitted to the widgets as placed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    centralWidget()->layout()->activate();
    layout()->activate();
    FitTexts(*this);
    KeepOnScreen();
}

// Where the window manager lets a window place itself, a grown window stays on the screen as far
// as it fits there, its top left corner first.
void CalcMainFrm::KeepOnScreen() {
    const QScreen* screen = this->screen();
    if (screen == nullptr || !isVisible()) return;
    adjustSize();
    const QRect room = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const int left = std::max(room.left(), x() - std::max(0, frame.right() - room.right()));
    const int top = std::max(room.top(), y() - std::max(0, frame.bottom() - room.bottom()));
    if (left != x() || top != y()) move(left, top);
}

bool CalcMainFrm::ZoomByKey(const QKeyEvent& key) {
    // The keypad's + and - are the same chords, and Shift is what makes + on some layouts.
    const QKeySequence chord(
        QKeyCombination(key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier), Qt::Key(key.key())));
    for (QAction* action : {actions_.zoomIn, actions_.zoomOut, actions_.actualSize}) {
        if (!action->shortcuts().contains(chord)) continue;
        if (action->isEnabled()) action->trigger();
        return true;
    }
    return false;
}

bool CalcMainFrm::ZoomByWheel(const QWheelEvent& wheel) {
    if (!(wheel.modifiers() & Qt::ControlModifier)) return false;
    wheelTurn_ += wheel.angleDelta().y();
    for (; wheelTurn_ >= kWheelStep; wheelTurn_ -= kWheelStep) SetZoom(ZoomedIn(zoom_));
    for (; wheelTurn_ <= -kWheelStep; wheelTurn_ += kWheelStep) SetZoom(ZoomedOut(zoom_));
    return true;
}
