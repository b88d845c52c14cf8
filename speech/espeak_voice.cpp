// SPDX-License-Identifier: MIT
#include "speech/espeak_voice.h"

#include <QMetaObject>

EspeakVoice::EspeakVoice(QObject* parent) : EspeakVoice(SpeechEngine::Output::Speakers, parent) {}

EspeakVoice::EspeakVoice(SpeechEngine::Output output, QObject* parent)
    : SpeechVoice(parent), engine_(ProcessSpeechEngine(output)) {}

// After Forget no word is posted to this object any more, and the ones already posted die with
// it (QObject drops the events still queued for it).
EspeakVoice::~EspeakVoice() { engine_.Forget(this); }

void EspeakVoice::Speak(const std::string& text) { engine_.Speak(this, text); }

bool EspeakVoice::WaitUntilReady() { return engine_.WaitUntilReady(); }

void EspeakVoice::WordStarted(std::uint64_t utterance, int position, int length) {
    QMetaObject::invokeMethod(
        this,
        [this, utterance, position, length] {
            if (engine_.IsCurrent(utterance)) emit WordReached(position, length);
        },
        Qt::QueuedConnection);
}
