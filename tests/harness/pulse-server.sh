#!/bin/bash
# Starts or stops a private PulseAudio server for the tests, fully inside DIR:
#   sink   quillon_out        the default sink; its monitor is what "system audio" records
#   sink   quillon_mic        play into it to speak into the microphone
#   source quillon_mic_in     remap of quillon_mic's monitor; the default source ("microphone")
# Clients reach it through PULSE_SERVER=unix:DIR/native (see env below).
set -u
cmd=$1
dir=$(realpath -m "$2")
export PULSE_RUNTIME_PATH=$dir/runtime PULSE_STATE_PATH=$dir/state
export PULSE_SERVER=unix:$dir/native
pidfile=$dir/runtime/pid

stop_server() {
    if [ -f "$pidfile" ]; then
        pid=$(cat "$pidfile")
        kill "$pid" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null
        rm -f "$pidfile"
    fi
}

case "$cmd" in
start)
    stop_server
    rm -rf "$dir"
    mkdir -p "$dir/runtime" "$dir/state"
    chmod 700 "$dir/runtime"
    pulseaudio --daemonize=yes --exit-idle-time=-1 -n --use-pid-file=yes \
        --realtime=no --high-priority=no --disallow-module-loading=no \
        --log-target="file:$dir/pulse.log" \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$dir/native" \
        --load="module-null-sink sink_name=quillon_out rate=44100 channels=2" \
        --load="module-null-sink sink_name=quillon_mic rate=44100 channels=2" \
        --load="module-remap-source source_name=quillon_mic_in master=quillon_mic.monitor" \
        || { echo "pulseaudio did not start:"; cat "$dir/pulse.log"; exit 1; }
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl set-default-sink quillon_out && pactl set-default-source quillon_mic_in || exit 1
    pactl info | grep -E 'Default (Sink|Source)'
    ;;
stop)
    stop_server
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
