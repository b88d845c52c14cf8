// SPDX-License-Identifier: MIT
#include "speech/espeak_voice.h"

EspeakVoice::EspeakVoice(QObject* parent) : EspeakVoice(SpeechEngine::Output::Speakers, parent) {}

EspeakVoice::EspeakVoice(SpeechEngine::Output output, QObject* parent)
    : EngineVoice([output]() -> SpeechEngine& { return ProcessSpeechEngine(output); }, parent) {}
