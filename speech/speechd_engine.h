// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include <libspeechd.h>

#include "speech/speech_engine.h"

// The desktop's speech service (speech-dispatcher) as the speech engine, in a library of its own
// that only a program that speaks loads. It speaks with the voice, rate, pitch and synthesiser
// the user chose for the desktop, in the windows' language, as client "numora" at priority
// "text": a new utterance
// replaces the one being spoken, and the screen reader's speech is never talked over. Words are
// reported from SSML marks as the service plays them. libspeechd waits without a bound for the
// service's answers, so every call to it happens on the engine's thread; a service that cannot
// be reached, fails a request or takes longer than kAnswerWait to answer is given up for good.
class SpeechdEngine final : public SpeechEngine {
public:
    static constexpr std::chrono::milliseconds kAnswerWait{2000};
    // Told, on the engine's thread, of each utterance the engine could not speak once it gave up.
    using HandOver = void (*)(Listener* listener, const char* text);

    // The engine of the process; it starts connecting (and the service starting) at once.
    static SpeechdEngine& Instance(HandOver handOver);

    SpeechdEngine(const SpeechdEngine&) = delete;
    SpeechdEngine& operator=(const SpeechdEngine&) = delete;

    std::uint64_t Speak(Listener* listener, std::string text) override;
    void Forget(Listener* listener) override;
    bool IsCurrent(std::uint64_t utterance) const override;
    // Waits for the connection, at most kAnswerWait.
    bool WaitUntilReady() override;
    bool GaveUp() const override;
    void SetLanguage(const std::string& language) override;
    std::string VoiceLanguage() const override;

private:
    explicit SpeechdEngine(HandOver handOver);
    ~SpeechdEngine() override = default;

    struct Request {
        std::uint64_t utterance;
        Listener* listener;
        std::string text;
        std::string language;
    };

    void Run();
    bool Connect();
    // False when the service did not answer the request.
    bool Say(const Request& request);
    // Marks the engine's thread as waiting on the service from now, or no longer.
    void Waiting(bool waiting);
    void MarkReached(std::size_t message, std::string_view mark);

    static void OnIndexMark(std::size_t message, std::size_t client, SPDNotificationType state, char* mark);

    const HandOver handOver_;
    SPDConnection* connection_ = nullptr;  // the engine's thread's alone
    std::string serviceLanguage_;  // the engine's thread's alone
    std::string language_ = "en";  // of the next utterance
    std::string reportedLanguage_;  // the service's language, once it has accepted it
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> pending_;
    std::uint64_t current_ = 0;
    Listener* currentListener_ = nullptr;
    std::size_t currentMessage_ = 0;  // the service's number of the current utterance; 0 while it is handed over
    std::optional<std::chrono::steady_clock::time_point> waitingSince_;
    bool failed_ = false;
    std::optional<bool> ready_;
    std::thread worker_;
};

// The SSML the service speaks for `text`: the text escaped, with a mark before each word named
// "<position>_<length>" (characters of `text`, from 0). The mark of a word after punctuation goes
// before the punctuation, as a mark right after a full stop is never reported.
std::string SsmlWithWordMarks(std::string_view text);
