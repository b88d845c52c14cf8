// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// The speech synthesiser of the process, driven from a thread of its own: Speak only hands the
// text over and returns. It lives in a library of its own that is loaded on first use, so that a
// start with read-out off does not load the synthesiser and its audio libraries.
class SpeechEngine {
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

    virtual ~SpeechEngine() = default;

    // Cuts whatever is being spoken and speaks the text ("" only cuts). Returns the utterance's
    // number, which its word events carry.
    virtual std::uint64_t Speak(Listener* listener, std::string text) = 0;
    // No more words for the listener; its utterance is cut if it is still the current one.
    virtual void Forget(Listener* listener) = 0;
    virtual bool IsCurrent(std::uint64_t utterance) const = 0;
    // Waits until initialisation has finished; true when the engine can speak.
    virtual bool WaitUntilReady() = 0;
    // True once the engine can no longer speak (its service is gone or does not answer).
    virtual bool GaveUp() const { return false; }
    // The language (ISO 639-1) of the utterances from now on.
    virtual void SetLanguage(const std::string& language) = 0;
    // The language of the voice that spoke last, as the synthesiser reports it; "" before.
    virtual std::string VoiceLanguage() const = 0;
};

// The name of the function the voice library exports: SpeechEngine* (int output), the engine of
// the process; the output asked for first holds for the whole process. It speaks English until
// told another language.
inline constexpr const char* kSpeechEngineEntry = "NumoraSpeechEngine";

// The name of the function the speech service library exports: SpeechEngine* (void
// (*handOver)(SpeechEngine::Listener*, const char* text)), the engine of the process that speaks
// through the desktop's speech service; once it has given up, it hands each utterance it could
// not speak to `handOver`, on its own thread.
inline constexpr const char* kSpeechServiceEntry = "NumoraSpeechdEngine";

// The engine of the process from the voice library (espeak-ng), loaded on the first call; a
// silent engine when the library cannot be loaded.
SpeechEngine& ProcessSpeechEngine(SpeechEngine::Output output);
// The engine the windows speak with: the desktop's speech service, loaded on the first call, and
// the voice library's engine on the speakers when the service is missing or stops answering.
SpeechEngine& DesktopSpeechEngine();
// What the windows speak with: "speech-dispatcher" or "espeak-ng" and the voice's language
// ("espeak-ng (de)"), or "" before they first speak.
std::string DesktopSpeechEngineName();
