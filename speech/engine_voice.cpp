// SPDX-License-Identifier: MIT
#include "speech/engine_voice.h"

#include <QMetaObject>

#include "core/translation.h"

EngineVoice::EngineVoice(std::function<SpeechEngine&()> engine, QObject* parent)
    : SpeechVoice(parent), choose_(std::move(engine)) {}

// After Forget no word is posted to this object any more, and the ones already posted die with
// it (QObject drops the events still queued for it).
EngineVoice::~EngineVoice() {
    if (engine_) engine_->Forget(this);
}

SpeechEngine& EngineVoice::Engine() {
    if (!engine_) engine_ = &choose_();
    return *engine_;
}

// The voice reads in the language of the texts, which may change while it lives.
void EngineVoice::Speak(const std::string& text) {
    SpeechEngine& engine = Engine();
    engine.SetLanguage(TextLanguage());
    engine.Speak(this, text);
}

bool EngineVoice::WaitUntilReady() { return Engine().WaitUntilReady(); }

void EngineVoice::WordStarted(std::uint64_t utterance, int position, int length) {
    QMetaObject::invokeMethod(
        this,
        [this, utterance, position, length] {
            if (engine_->IsCurrent(utterance)) emit WordReached(position, length);
        },
        Qt::QueuedConnection);
}

DesktopVoice::DesktopVoice(QObject* parent)
    : EngineVoice([]() -> SpeechEngine& { return DesktopSpeechEngine(); }, parent) {}
