// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <QLibrary>

#include "speech/speech_engine.h"

namespace {

// A voice that never speaks: where the voice library is missing the program works on silent.
class SilentEngine final : public SpeechEngine {
public:
    std::uint64_t Speak(Listener*, std::string) override { return 0; }
    void Forget(Listener*) override {}
    bool IsCurrent(std::uint64_t) const override { return false; }
    bool WaitUntilReady() override { return false; }
};

// Beside the program in the build tree; installed, in the program's own library folder.
SpeechEngine* Load(SpeechEngine::Output output) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString& folder : {programFolder, programFolder + "/" NUMORA_VOICE_FOLDER}) {
        QLibrary library(folder + "/numora_voice");
        using Entry = SpeechEngine* (*)(int);
        if (const auto entry = reinterpret_cast<Entry>(library.resolve(kSpeechEngineEntry)))
            return entry(static_cast<int>(output));
    }
    static SilentEngine silent;
    return &silent;
}

}  // namespace

SpeechEngine& ProcessSpeechEngine(SpeechEngine::Output output) {
    static SpeechEngine* const engine = Load(output);
    return *engine;
}
