// SPDX-License-Identifier: MIT
#pragma once

// Whether the audio device espeak-ng plays on opens now: PulseAudio where it runs, else ALSA's
// default device, found the way espeak-ng's own audio layer finds it. The device is closed again
// at once, and nothing is printed either way.
bool AudioDeviceOpens();
