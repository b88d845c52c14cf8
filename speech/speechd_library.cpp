// SPDX-License-Identifier: MIT
// The entry of the speech service library: the program finds it by name once it has loaded it.
#include "speech/speechd_engine.h"

extern "C" __attribute__((visibility("default"))) SpeechEngine* NumoraSpeechdEngine(SpeechdEngine::HandOver handOver) {
    return &SpeechdEngine::Instance(handOver);
}
