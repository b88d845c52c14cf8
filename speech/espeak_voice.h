// SPDX-License-Identifier: MIT
#pragma once

#include "speech/engine_voice.h"

// The voice on espeak-ng. With Output::Speakers and no audio device it stays silent;
// Output::Memory synthesises without sound and reports the words as fast as they are made. The
// first voice of the process chooses the output for all.
class EspeakVoice final : public EngineVoice {
    Q_OBJECT

public:
    explicit EspeakVoice(QObject* parent = nullptr);
    explicit EspeakVoice(SpeechEngine::Output output, QObject* parent = nullptr);
};
