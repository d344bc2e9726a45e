#!/bin/sh
# The Sing window's microphone through a real PulseAudio server: a private
# server whose default source is the monitor of a null sink, into which
# sing_pulse plays rendered voices with paplay while it listens through the
# window's own source. Run by hand (needs pulseaudio and pulseaudio-utils):
#   bench/sing/pulse_sing.sh [build folder] [figures]
set -eu
build=${1:-build-rel}
figures=${2:-6}
bin="$build/bin/sing_pulse"
[ -x "$bin" ] || { echo "no $bin (build the sing_pulse target)" >&2; exit 1; }
command -v pulseaudio >/dev/null && command -v paplay >/dev/null ||
  { echo "needs pulseaudio and paplay (pulseaudio-utils)" >&2; exit 1; }

dir=$(mktemp -d /tmp/pulse-sing.XXXXXX)
server=""
hum=""
cleanup() {
  [ -n "$hum" ] && kill "$hum" 2>/dev/null || true
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  rm -rf "$dir"
}
trap cleanup EXIT INT TERM

cat > "$dir/default.pa" <<PA
load-module module-native-protocol-unix socket=$dir/native auth-anonymous=1
load-module module-null-sink sink_name=room rate=48000 channels=1
set-default-sink room
set-default-source room.monitor
PA
export PULSE_SERVER="unix:$dir/native" PULSE_RUNTIME_PATH="$dir" HOME="$dir" TMPDIR="$dir"
pulseaudio -n -F "$dir/default.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  --disallow-exit --log-target=file:"$dir/server.log" 2>/dev/null &
server=$!
i=0
until pactl info >/dev/null 2>&1; do
  i=$((i + 1)); [ $i -lt 50 ] || { echo "PulseAudio did not start:" >&2; cat "$dir/server.log" >&2; exit 1; }
  sleep 0.1
done
# A player that never stops (zeros), at a short latency: an idle null sink
# renders in blocks of seconds, and its monitor would deliver its first
# samples that late, where a real microphone starts at once.
pacat --latency-msec=20 --format=s16le --channels=1 --rate=48000 < /dev/zero 2>/dev/null &
hum=$!
"$bin" "$figures"
