// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <cstdint>
#include <string>

#include "core/platform.h"
#include "speech/speech_engine.h"

// A voice of the windows: speaks at once over anything still being spoken, never waits, and
// reports the word being spoken on the thread that owns it.
class SpeechVoice : public QObject, public SpeechOutput {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    // The word that starts at `position` (characters from 0 in the text last handed to Speak)
    // and spans `length` characters is being spoken now.
    void WordReached(int position, int length);
};

// The voice on espeak-ng. Constructing it returns at once: the engine starts beside the event
// loop. With Output::Speakers and no audio device it stays silent; Output::Memory synthesises
// without sound and reports the words as fast as they are made. The first voice of the process
// chooses the output for all.
class EspeakVoice final : public SpeechVoice, private SpeechEngine::Listener {
    Q_OBJECT

public:
    explicit EspeakVoice(QObject* parent = nullptr);
    explicit EspeakVoice(SpeechEngine::Output output, QObject* parent = nullptr);
    ~EspeakVoice() override;

    void Speak(const std::string& text) override;
    // Blocks until the engine has started; true when it can speak.
    bool WaitUntilReady();

private:
    void WordStarted(std::uint64_t utterance, int position, int length) override;

    SpeechEngine& engine_;
};
