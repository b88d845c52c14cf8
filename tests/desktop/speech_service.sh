# SPDX-License-Identifier: MIT
# Sourced by the desktop tests that need the desktop's speech service: after start_x,
# `start_speech_service` runs a private speech-dispatcher ($speechd_pid) (its own configuration, log and socket
# in the test's home) with the espeak-ng module, playing into the ALSA file "$home/speechd.raw";
# ALSA's default device writes "$home/numora.raw", where only a voice of numora's own would play.
need speech-dispatcher

start_speech_service() {
    cat >"$home/.asoundrc" <<ASOUND
pcm.!default { type file slave.pcm "null" file "$home/numora.raw" format "raw" truncate false }
pcm.speechd { type file slave.pcm "null" file "$home/speechd.raw" format "raw" truncate false }
ASOUND
    export PULSE_SERVER="unix:$home/no-pulse"
    mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$home/speechd-log"
    cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
LogLevel ${SPEECHD_LOG_LEVEL:-3}
LogDir "$home/speechd-log"
AudioOutputMethod "alsa"
AudioALSADevice "speechd"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
    speech-dispatcher --run-single --timeout 0 >"$home/speechd.out" 2>&1 &
    speechd_pid=$!
    pids+=($speechd_pid)
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && return; sleep 0.1; done
    echo "FAIL: speech-dispatcher did not start"; cat "$home/speechd.out"; exit 1
}
