// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
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

// A voice on one of the process's speech engines, which `engine` gives when the voice first
// speaks (a window that stays silent loads none). Speaking returns at once: the engine starts
// beside the event loop.
class EngineVoice : public SpeechVoice, private SpeechEngine::Listener {
    Q_OBJECT

public:
    explicit EngineVoice(std::function<SpeechEngine&()> engine, QObject* parent = nullptr);
    ~EngineVoice() override;

    void Speak(const std::string& text) override;
    // Blocks until the engine has started; true when it can speak.
    bool WaitUntilReady();

private:
    void WordStarted(std::uint64_t utterance, int position, int length) override;
    SpeechEngine& Engine();

    std::function<SpeechEngine&()> choose_;
    SpeechEngine* engine_ = nullptr;
};

// The voice the windows speak with: the desktop's speech service, else espeak-ng on the speakers.
class DesktopVoice final : public EngineVoice {
    Q_OBJECT

public:
    explicit DesktopVoice(QObject* parent = nullptr);
};
