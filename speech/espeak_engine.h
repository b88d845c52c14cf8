// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include <espeak-ng/speak_lib.h>

#include "speech/speech_engine.h"

// espeak-ng as the speech engine, in the voice library. espeak-ng keeps one global state per
// process and cannot be started again once terminated, so there is one engine for the life of
// the process, shared by every voice; a new utterance from any of them cuts the one being
// spoken. Initialisation (tens of milliseconds) happens on the engine's thread.
class EspeakEngine final : public SpeechEngine {
public:
    // The engine of the process. The output asked for first holds for the whole process.
    static EspeakEngine& Instance(Output output);

    ~EspeakEngine() override;
    EspeakEngine(const EspeakEngine&) = delete;
    EspeakEngine& operator=(const EspeakEngine&) = delete;

    Output output() const { return output_; }

    std::uint64_t Speak(Listener* listener, std::string text) override;
    void Forget(Listener* listener) override;
    bool IsCurrent(std::uint64_t utterance) const override;
    bool WaitUntilReady() override;
    void SetLanguage(const std::string& language) override;
    std::string VoiceLanguage() const override;

private:
    explicit EspeakEngine(Output output);

    struct Request {
        std::uint64_t utterance;
        std::string text;
        std::string language;
    };

    void Run();
    bool Initialise();
    void Synthesise(const Request& request);
    bool SetVoice(const std::string& language);
    void Deliver(std::uint64_t utterance, int position, int length);
    bool ShouldAbort(std::uint64_t utterance) const;

    static int OnSynth(short* samples, int count, espeak_EVENT* events);

    const Output output_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> pending_;
    std::uint64_t current_ = 0;
    Listener* currentListener_ = nullptr;
    bool stopping_ = false;
    std::string language_ = "en";  // of the next utterance
    std::string voiceLanguage_;  // asked of the voice set, the engine's thread's alone
    std::string reportedLanguage_;  // what espeak-ng says the voice set speaks
    std::optional<bool> ready_;
    std::thread worker_;
};
