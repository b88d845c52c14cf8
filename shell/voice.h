// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "core/platform.h"

// The main window's voice. Until a speech engine is built in, a voice that stays silent.
std::unique_ptr<SpeechOutput> CreateVoice();
