// SPDX-License-Identifier: MIT
#include "shell/calc_main_frm.h"

#include <QAction>
#include <QComboBox>

#include "display/number_text.h"
#include "session/session_steps.h"
#include "session/session_stores.h"
#include "shell/preferences.h"
#include "shell/topmost.h"
#include "shell/voice.h"
#include "shell/zoom_steps.h"

void CalcMainFrm::InitializeCalculator() {
    LoadPreferences();
    // The precision list's entries are the face's; which one is selected is the engine's.
    widgets_.precBox->clear();
    for (int decimals = 0; decimals <= 14; ++decimals)
        widgets_.precBox->addItem(QString::fromStdString(FormatPattern(decimals, "0")));
    stores_ = std::make_unique<SessionStores>(settings_, programFolder_, &tape_);
    RunEngine([this](Calculator& calc) { RunStartupSteps(calc, *stores_); });
    initialized_ = true;
}

// Stores reach the disk a moment after a change rather than only at close, so that a crash, a
// kill or a logout loses at most that moment; a burst of changes makes one save.
void CalcMainFrm::ScheduleSave() {
    if (initialized_ && !saveTimer_.isActive()) saveTimer_.start(kSaveDelayMs);
}

void CalcMainFrm::SaveChangedStores() {
    if (!initialized_) return;
    stores_->SaveChanged(*calc_);
    StoreTapeWidth();
}

void CalcMainFrm::LoadPreferences() {
    calc_->modes.ReadOutLoudOn = ReadPreference(settings_, kReadOutLoudKey);
    alwaysOnTopOn_ = ReadPreference(settings_, kAlwaysOnTopKey);
    ApplyTopmost();
    actions_.readOut->setChecked(calc_->modes.ReadOutLoudOn);
    OfferAlwaysOnTop();
    // Before the first paint, and before the tape takes its width at the zoom.
    zoom_ = NearestZoomStep(ReadSizePreference(settings_, kZoomKey, kZoomSteps.front()));
    ApplyFaceScale();
    ShowTape(ReadPreference(settings_, kTapeShownKey));
    SyncModeControls();
    voicePending_ = calc_->modes.ReadOutLoudOn;
}

// The speech engine's start takes longer than the whole face, so the voice is made only once
// read-out is on: at start just after the face has first been painted, so that the window shows
// without waiting for it, or when read-out is first switched on.
void CalcMainFrm::CreateMainVoice() {
    voice_ = CreateVoice();
    calc_->platform.speech = voice_.get();
    if (calc_->modes.ReadOutLoudOn && isActiveWindow()) PrepareVoice();
}

// Whatever closes the window; closing is never refused.
void CalcMainFrm::Form_QueryUnload() {
    if (!initialized_) return;
    initialized_ = false;
    clockTimer_.stop();
    saveTimer_.stop();
    StoreTapeWidth();
    RunShutdownSteps(*calc_, *stores_);
}
