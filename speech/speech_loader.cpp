// SPDX-License-Identifier: MIT
#include <cstdio>
#include <mutex>

#include <QCoreApplication>
#include <QLibrary>

#include "core/translation.h"
#include "speech/speech_engine.h"

namespace {

// A voice that never speaks: where the voice library is missing the program works on silent.
class SilentEngine final : public SpeechEngine {
public:
    std::uint64_t Speak(Listener*, std::string) override { return 0; }
    void Forget(Listener*) override {}
    bool IsCurrent(std::uint64_t) const override { return false; }
    bool WaitUntilReady() override { return false; }
    void SetLanguage(const std::string&) override {}
    std::string VoiceLanguage() const override { return {}; }
};

// The desktop's speech service while it answers; the built-in espeak-ng voice from the moment it
// is missing or stops answering, for the rest of the run. The service's thread hands over what
// it could not say, so the key that found it gone is still heard.
class DesktopEngine final : public SpeechEngine {
public:
    void UseService(SpeechEngine* service) { service_ = service; }

    std::uint64_t Speak(Listener* listener, std::string text) override {
        return Active().Speak(listener, std::move(text));
    }
    void Forget(Listener* listener) override {
        if (service_) service_->Forget(listener);
        std::lock_guard lock(mutex_);
        if (builtIn_) builtIn_->Forget(listener);
    }
    bool IsCurrent(std::uint64_t utterance) const override { return Active().IsCurrent(utterance); }
    bool WaitUntilReady() override { return (service_ && service_->WaitUntilReady()) || Active().WaitUntilReady(); }
    bool GaveUp() const override { return Active().GaveUp(); }
    void SetLanguage(const std::string& language) override { Active().SetLanguage(language); }
    std::string VoiceLanguage() const override { return Active().VoiceLanguage(); }

    void HandOver(Listener* listener, const char* text) {
        BuiltIn().SetLanguage(TextLanguage());
        BuiltIn().Speak(listener, text);
    }

    std::string Name() const {
        std::string name;
        if (service_ && !service_->GaveUp()) {
            name = "speech-dispatcher";
        } else {
            std::lock_guard lock(mutex_);
            if (builtIn_) name = "espeak-ng";
        }
        const std::string language = name.empty() ? std::string() : Active().VoiceLanguage();
        return language.empty() ? name : name + " (" + language + ")";
    }

private:
    SpeechEngine& Active() const {
        if (service_ && !service_->GaveUp()) return *service_;
        return BuiltIn();
    }
    SpeechEngine& BuiltIn() const {
        std::lock_guard lock(mutex_);
        if (!builtIn_) {
            std::fputs(
                "Numora: the desktop's speech service (speech-dispatcher) is missing or does not answer; "
                "read-out uses the built-in espeak-ng voice.\n",
                stderr);
            builtIn_ = &ProcessSpeechEngine(Output::Speakers);
        }
        return *builtIn_;
    }

    SpeechEngine* service_ = nullptr;
    mutable std::mutex mutex_;
    mutable SpeechEngine* builtIn_ = nullptr;
};

DesktopEngine& TheDesktopEngine() {
    static DesktopEngine engine;
    return engine;
}

// Beside the program in the build tree; installed, in the program's own library folder.
QFunctionPointer Resolve(const char* library, const char* entry) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString& folder : {programFolder, programFolder + "/" NUMORA_VOICE_FOLDER}) {
        QLibrary loaded(folder + "/" + library);
        if (const QFunctionPointer function = loaded.resolve(entry)) return function;
    }
    return nullptr;
}

SpeechEngine* Load(SpeechEngine::Output output) {
    using Entry = SpeechEngine* (*)(int);
    if (const auto entry = reinterpret_cast<Entry>(Resolve("numora_voice", kSpeechEngineEntry)))
        return entry(static_cast<int>(output));
    static SilentEngine silent;
    return &silent;
}

SpeechEngine* LoadService() {
    using HandOver = void (*)(SpeechEngine::Listener*, const char*);
    using Entry = SpeechEngine* (*)(HandOver);
    const auto entry = reinterpret_cast<Entry>(Resolve("numora_speechd", kSpeechServiceEntry));
    const HandOver handOver = [](SpeechEngine::Listener* listener, const char* text) {
        TheDesktopEngine().HandOver(listener, text);
    };
    return entry ? entry(handOver) : nullptr;
}

}  // namespace

SpeechEngine& ProcessSpeechEngine(SpeechEngine::Output output) {
    static SpeechEngine* const engine = Load(output);
    return *engine;
}

std::string DesktopSpeechEngineName() { return TheDesktopEngine().Name(); }

SpeechEngine& DesktopSpeechEngine() {
    static std::once_flag loaded;
    std::call_once(loaded, [] { TheDesktopEngine().UseService(LoadService()); });
    return TheDesktopEngine();
}
