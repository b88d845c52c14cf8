// SPDX-License-Identifier: MIT
#include "shell/voice.h"

namespace {

class SilentVoice final : public SpeechOutput {
public:
    void Speak(const std::string&) override {}
};

}  // namespace

std::unique_ptr<SpeechOutput> CreateVoice() { return std::make_unique<SilentVoice>(); }
