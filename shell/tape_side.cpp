// SPDX-License-Identifier: MIT
#include <QAction>
#include <QHBoxLayout>
#include <QLayout>
#include <QScreen>

#include "display/display_panel_widget.h"
#include "shell/calc_main_frm.h"
#include "shell/preferences.h"
#include "tape/tape_panel_widget.h"
#include "widgets/twips.h"

namespace {

// Room for its two buttons; at first as wide as the tape window used to be.
constexpr int kNarrowestTapeTwips = 2700;
constexpr int kFirstTapeTwips = 4500;

}  // namespace

void CalcMainFrm::CreateTapePanel(QWidget* body) {
    tapePanel_ = new TapePanelWidget(tape_, body);
    tapePanel_->setMinimumWidth(TwipsToPixels(kNarrowestTapeTwips));
    tapePanel_->hide();
    auto* row = new QHBoxLayout(body);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(body->findChild<QWidget*>("Face", Qt::FindDirectChildrenOnly));
    row->addWidget(tapePanel_);
}

void CalcMainFrm::ShowTape(bool shown) {
    actions_.tape->setChecked(shown);
    if (shown != tapePanel_->isHidden()) return;
    if (!shown) {
        StoreTapeWidth();
        if (tapePanel_->isAncestorOf(focusWidget())) widgets_.frame->setFocus();
        tapePanel_->hide();
        // Without the tape the window is the face again, and cannot be resized.
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    const QWidget* face = centralWidget()->findChild<QWidget*>("Face", Qt::FindDirectChildrenOnly);
    const QScreen* screen = this->screen();
    const int roomy = screen ? screen->availableGeometry().width() - face->width() : TwipsToPixels(kFirstTapeTwips);
    const int width = ReadSizePreference(settings_, kTapeWidthKey, TwipsToPixels(kFirstTapeTwips),
                                         tapePanel_->minimumWidth(), std::max(roomy, tapePanel_->minimumWidth()));
    tapePanel_->show();
    // As tall as the face; only the tape's width can be dragged.
    layout()->setSizeConstraint(QLayout::SetMinAndMaxSize);
    layout()->activate();
    resize(face->width() + width, height());
    // Where the window manager lets a window place itself, the grown window stays on the screen.
    if (screen && isVisible()) {
        const int beyond = frameGeometry().right() - screen->availableGeometry().right();
        if (beyond > 0) move(std::max(screen->availableGeometry().left(), x() - beyond), y());
    }
}

void CalcMainFrm::StoreTapeWidth() {
    if (tapePanel_->isVisible()) StoreSizePreference(settings_, kTapeWidthKey, tapePanel_->width());
}
