// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include <espeak-ng/speak_lib.h>

// espeak-ng driven from a thread of its own. The library keeps one global state per process and
// cannot be started again once terminated, so there is one engine for the life of the process,
// shared by every voice; a new utterance from any of them cuts the one being spoken. Nothing
// here waits for speech: Speak only hands the text over, and initialisation (tens of
// milliseconds) happens on the engine's thread.
class EspeakEngine {
public:
    enum class Output {
        Speakers,  // heard on the audio device, each word reported as its sound is played;
                   // without a device the engine stays silent
        Memory,  // synthesised into memory and dropped: word events only, as fast as made
    };

    // Told of each word of its utterances, on one of the engine's threads, while the engine's
    // lock is held: hand the event on, do not call back into the engine.
    class Listener {
    public:
        // position: first character of the word in the spoken text, from 0; length in characters.
        virtual void WordStarted(std::uint64_t utterance, int position, int length) = 0;

    protected:
        ~Listener() = default;
    };

    // The engine of the process. The output asked for first holds for the whole process.
    static EspeakEngine& Instance(Output output);

    ~EspeakEngine();
    EspeakEngine(const EspeakEngine&) = delete;
    EspeakEngine& operator=(const EspeakEngine&) = delete;

    Output output() const { return output_; }

    // Cuts whatever is being spoken and speaks the text ("" only cuts). Returns the utterance's
    // number, which its word events carry.
    std::uint64_t Speak(Listener* listener, std::string text);
    // No more words for the listener; its utterance is cut if it is still the current one.
    void Forget(Listener* listener);
    bool IsCurrent(std::uint64_t utterance) const;

    // Waits until initialisation has finished; true when the engine can speak.
    bool WaitUntilReady();

private:
    explicit EspeakEngine(Output output);

    struct Request {
        std::uint64_t utterance;
        std::string text;
    };

    void Run();
    bool Initialise();
    void Synthesise(const Request& request);
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
    std::optional<bool> ready_;
    std::thread worker_;
};
