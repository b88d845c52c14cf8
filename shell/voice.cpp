// SPDX-License-Identifier: MIT
#include "shell/voice.h"

#include "speech/engine_voice.h"

std::unique_ptr<SpeechOutput> CreateVoice() { return std::make_unique<DesktopVoice>(); }
