// SPDX-License-Identifier: MIT
#include "speech/espeak_engine.h"

#include <atomic>

#include "speech/espeak_audio_device.h"

namespace {

// espeak-ng's callback carries no context; the process has one engine.
std::atomic<EspeakEngine*> runningEngine{nullptr};

void* AsUserData(std::uint64_t utterance) { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(utterance)); }
std::uint64_t AsUtterance(const void* userData) {
    return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(userData));
}

}  // namespace

EspeakEngine& EspeakEngine::Instance(Output output) {
    static EspeakEngine engine(output);
    return engine;
}

EspeakEngine::EspeakEngine(Output output) : output_(output) {
    worker_ = std::thread([this] { Run(); });
}

EspeakEngine::~EspeakEngine() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        currentListener_ = nullptr;
    }
    wake_.notify_all();
    worker_.join();
}

std::uint64_t EspeakEngine::Speak(Listener* listener, std::string text) {
    std::uint64_t utterance;
    {
        std::lock_guard lock(mutex_);
        utterance = ++current_;
        currentListener_ = listener;
        pending_ = Request{utterance, std::move(text), language_};
    }
    wake_.notify_all();
    return utterance;
}

std::string EspeakEngine::VoiceLanguage() const {
    std::lock_guard lock(mutex_);
    return reportedLanguage_;
}

void EspeakEngine::SetLanguage(const std::string& language) {
    std::lock_guard lock(mutex_);
    language_ = language;
}

void EspeakEngine::Forget(Listener* listener) {
    bool wasSpeaking = false;
    {
        std::lock_guard lock(mutex_);
        wasSpeaking = currentListener_ == listener;
    }
    if (wasSpeaking) Speak(nullptr, {});
}

bool EspeakEngine::IsCurrent(std::uint64_t utterance) const {
    std::lock_guard lock(mutex_);
    return utterance == current_ && !stopping_;
}

bool EspeakEngine::WaitUntilReady() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return ready_.has_value(); });
    return *ready_;
}

void EspeakEngine::Run() {
    const bool initialised = Initialise();
    const bool usable = initialised && SetVoice("en");
    {
        std::lock_guard lock(mutex_);
        ready_ = usable;
    }
    wake_.notify_all();

    for (;;) {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
        if (stopping_) break;
        const Request request = std::move(*pending_);
        pending_.reset();
        lock.unlock();
        if (usable) Synthesise(request);
    }

    if (initialised) {
        if (usable && output_ == Output::Speakers) espeak_Cancel();
        espeak_Terminate();
    }
    runningEngine = nullptr;
}

// Playback mode says nothing when there is no audio device: it starts, stays silent and prints
// an error for every utterance and at its end. So the device is tried first, and without one
// espeak-ng is not started at all. Playback mode plays asynchronously on espeak-ng's own threads
// and reports each word once its sound has gone to the device; the synchronous playback mode
// would report no words at all.
bool EspeakEngine::Initialise() {
    runningEngine = this;
    if (output_ == Output::Speakers && !AudioDeviceOpens()) return false;
    const espeak_AUDIO_OUTPUT mode = output_ == Output::Memory ? AUDIO_OUTPUT_SYNCHRONOUS : AUDIO_OUTPUT_PLAYBACK;
    if (espeak_Initialize(mode, 0, nullptr, espeakINITIALIZE_DONT_EXIT) < 0) return false;
    espeak_SetSynthCallback(OnSynth);
    return true;
}

void EspeakEngine::Synthesise(const Request& request) {
    // In playback mode a cut must stop the audio already queued; in memory mode the callback
    // ends the running synthesis itself as soon as the utterance is no longer current.
    if (output_ == Output::Speakers) espeak_Cancel();
    if (request.text.empty()) return;
    // A language espeak-ng has no voice for keeps the voice it had.
    if (request.language != voiceLanguage_) SetVoice(request.language);
    espeak_Synth(request.text.c_str(), request.text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                 AsUserData(request.utterance));
}

// By language, not by a voice's file name: the names differ between espeak-ng's versions ("de"
// is a voice of Debian 12's, "de-de" is not).
bool EspeakEngine::SetVoice(const std::string& language) {
    espeak_VOICE wanted{};
    wanted.languages = language.c_str();
    if (espeak_SetVoiceByProperties(&wanted) != EE_OK) return false;
    voiceLanguage_ = language;
    // A voice's languages start with a priority byte.
    const espeak_VOICE* voice = espeak_GetCurrentVoice();
    std::lock_guard lock(mutex_);
    reportedLanguage_ = voice && voice->languages && *voice->languages ? voice->languages + 1 : "";
    return true;
}

void EspeakEngine::Deliver(std::uint64_t utterance, int position, int length) {
    std::lock_guard lock(mutex_);
    if (utterance == current_ && currentListener_ != nullptr && !stopping_)
        currentListener_->WordStarted(utterance, position, length);
}

bool EspeakEngine::ShouldAbort(std::uint64_t utterance) const { return !IsCurrent(utterance); }

// Word positions come 1-based and counted in characters; the word of length 0 that closes an
// utterance is no word.
int EspeakEngine::OnSynth(short*, int, espeak_EVENT* events) {
    EspeakEngine* engine = runningEngine;
    if (engine == nullptr || events == nullptr) return 1;
    espeak_EVENT* event = events;
    for (; event->type != espeakEVENT_LIST_TERMINATED; ++event) {
        if (event->type == espeakEVENT_WORD && event->length > 0)
            engine->Deliver(AsUtterance(event->user_data), event->text_position - 1, event->length);
    }
    return engine->ShouldAbort(AsUtterance(event->user_data)) ? 1 : 0;
}
