// SPDX-License-Identifier: MIT
#include "speech/engine_voice.h"

#include <QMetaObject>

namespace {

// The language of the windows' texts, in which the service reads them.
constexpr const char* kWindowLanguage = "en";

}  // namespace

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

void EngineVoice::Speak(const std::string& text) { Engine().Speak(this, text); }

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
    : EngineVoice([]() -> SpeechEngine& { return DesktopSpeechEngine(kWindowLanguage); }, parent) {}
