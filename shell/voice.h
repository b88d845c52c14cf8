// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "core/platform.h"

// The main window's voice, on espeak-ng; silent on a machine without an audio device.
std::unique_ptr<SpeechOutput> CreateVoice();
