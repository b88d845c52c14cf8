// SPDX-License-Identifier: MIT
#include "shell/calc_main_frm.h"

#include <QAction>
#include <QComboBox>

#include "display/number_text.h"
#include "memory/session_steps.h"
#include "shell/preferences.h"
#include "shell/topmost.h"
#include "shell/voice.h"

void CalcMainFrm::InitializeCalculator() {
    LoadPreferences();
    // The precision list's entries are the face's; which one is selected is the engine's.
    widgets_.precBox->clear();
    for (int decimals = 0; decimals <= 14; ++decimals)
        widgets_.precBox->addItem(QString::fromStdString(FormatPattern(decimals, "0")));
    RunEngine([this](Calculator& calc) { RunStartupSteps(calc, settings_, programFolder_); });
    initialized_ = true;
}

void CalcMainFrm::LoadPreferences() {
    calc_->ReadOutLoudOn = ReadPreference(settings_, kReadOutLoudKey);
    alwaysOnTopOn_ = ReadPreference(settings_, kAlwaysOnTopKey);
    ApplyTopmost();
    actions_.readOut->setChecked(calc_->ReadOutLoudOn);
    actions_.onTop->setChecked(alwaysOnTopOn_);
    SyncModeControls();
    voicePending_ = calc_->ReadOutLoudOn;
}

// The speech engine's start takes longer than the whole face, so the voice is made only once
// read-out is on: at start just after the face has first been painted, so that the window shows
// without waiting for it, or when read-out is first switched on.
void CalcMainFrm::CreateMainVoice() {
    voice_ = CreateVoice();
    calc_->platform.speech = voice_.get();
    if (calc_->ReadOutLoudOn && isActiveWindow()) PrepareVoice();
}

// Whatever closes the window; closing is never refused.
void CalcMainFrm::Form_QueryUnload() {
    if (!initialized_) return;
    initialized_ = false;
    clockTimer_.stop();
    RunShutdownSteps(*calc_, settings_, programFolder_);
}
