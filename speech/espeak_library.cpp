// SPDX-License-Identifier: MIT
// The entry of the voice library: the program finds it by name once it has loaded the library.
#include "speech/espeak_engine.h"

extern "C" __attribute__((visibility("default"))) SpeechEngine* NumoraSpeechEngine(int output) {
    return &EspeakEngine::Instance(static_cast<SpeechEngine::Output>(output));
}
