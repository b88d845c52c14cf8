// SPDX-License-Identifier: MIT
#include "speech/espeak_audio_device.h"

#include <alsa/asoundlib.h>
#include <pcaudiolib/audio.h>

#include <cstdint>

namespace {

// The rate espeak-ng's voices speak at.
constexpr std::uint32_t kSampleRate = 22050;

// ALSA writes several lines to stderr before it reports a missing card. The handler is the
// process's, so it also keeps espeak-ng's later device calls quiet.
void IgnoreAlsaNotice(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

bool AudioDeviceOpens() {
    snd_lib_error_set_handler(IgnoreAlsaNotice);
    audio_object* device = create_audio_device_object(nullptr, "Numora", "Read Out Loud");
    if (device == nullptr) return false;
    const bool opens = audio_object_open(device, AUDIO_OBJECT_FORMAT_S16LE, kSampleRate, 1) == 0;
    audio_object_close(device);
    audio_object_destroy(device);
    return opens;
}
