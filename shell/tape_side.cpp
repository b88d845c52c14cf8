// SPDX-License-Identifier: MIT
#include <QAction>
#include <QHBoxLayout>

#include "display/display_panel_widget.h"
#include "shell/calc_main_frm.h"
#include "shell/preferences.h"
#include "tape/tape_panel_widget.h"
#include "widgets/twips.h"

namespace {

constexpr int kFirstTapeTwips = 4500;  // as wide as the tape window used to be

}  // namespace

void CalcMainFrm::CreateTapePanel(QWidget* body) {
    tapePanel_ = new TapePanelWidget(tape_, body);
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
        return;
    }
    tapePanel_->SetTapeWidth(ReadSizePreference(settings_, kTapeWidthKey, TwipsToPixels(kFirstTapeTwips)));
    tapePanel_->show();
    KeepOnScreen();
}

void CalcMainFrm::StoreTapeWidth() {
    if (tapePanel_->isVisible()) StoreSizePreference(settings_, kTapeWidthKey, tapePanel_->TapeWidth());
}
