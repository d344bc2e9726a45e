#!/bin/sh
# The drill's figure through PulseAudio, as a student hears it: midiway_bench
# --figure plays it on the built-in synthesizer through a private PulseAudio
# server into a null sink, parec records the sink, and the onsets found in the
# recording are compared with the figure's 250/500 ms grid. Run by hand (needs
# pulseaudio and pulseaudio-utils):
#   bench/pulse_figure.sh [build folder] [figures]
# Prints the onset error against the grid, with the constant offset (the
# output's latency and each key's own sample delay) taken out: for all notes,
# and for those after the first second (once the stream runs).
set -eu
build=${1:-build-rel}
figures=${2:-20}
bench="$build/bin/midiway_bench"
[ -x "$bench" ] || { echo "no $bench (build the midiway_bench target)" >&2; exit 1; }
command -v pulseaudio >/dev/null && command -v parec >/dev/null ||
  { echo "needs pulseaudio and parec (pulseaudio-utils)" >&2; exit 1; }

# The sound server, the recorder and the player run at a real-time priority
# where allowed, as a desktop's sound server does (rtkit): otherwise a busy
# machine starves the stream, and the recording shows its gaps, not the
# player's timing.
rt=""
if chrt -f 40 true 2>/dev/null; then rt="chrt -f 40"; fi

dir=$(mktemp -d /tmp/pulse-figure.XXXXXX)
server=""
recorder=""
cleanup() {
  [ -n "$recorder" ] && kill "$recorder" 2>/dev/null || true
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  [ -n "${KEEP:-}" ] || rm -rf "$dir"
}
trap cleanup EXIT INT TERM

cat > "$dir/default.pa" <<PA
load-module module-native-protocol-unix socket=$dir/native auth-anonymous=1
load-module module-null-sink sink_name=figure rate=44100 channels=2
set-default-sink figure
PA
export PULSE_SERVER="unix:$dir/native" PULSE_RUNTIME_PATH="$dir" HOME="$dir"
$rt pulseaudio -n -F "$dir/default.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  --disallow-exit --log-target=file:"$dir/server.log" 2>/dev/null &
server=$!
i=0
until pactl info >/dev/null 2>&1; do
  i=$((i + 1)); [ $i -lt 50 ] || { echo "PulseAudio did not start:" >&2; cat "$dir/server.log" >&2; exit 1; }
  sleep 0.1
done

$rt parec -d figure.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=100 > "$dir/figure.raw" &
recorder=$!
sleep 0.5
MIDIWAY_AUDIO_DRIVER=pulseaudio $rt "$bench" --figure "$figures" > "$dir/puts.txt"
sleep 0.5
kill "$recorder"; wait "$recorder" 2>/dev/null || true
recorder=""

/usr/bin/python3 - "$dir/figure.raw" "$dir/puts.txt" <<'PY'
import array, sys
samples = array.array("h")
with open(sys.argv[1], "rb") as f:
    samples.frombytes(f.read())
rate = 44100.0
puts, grid, keys = [], [], []
for line in open(sys.argv[2]):
    w = line.split()
    if w and w[0] == "put":
        puts.append(float(w[1])); grid.append(float(w[3])); keys.append(w[5])
# Onsets: above -40 dBFS in a sound that rose out of at least 50 ms below
# -60 dBFS.
onsets, quiet, armed = [], 0, False
for i, s in enumerate(samples):
    a = abs(s)
    if a < 33:
        quiet += 1
        continue
    if quiet >= 0.05 * rate:
        armed = True
    quiet = 0
    if a > 328 and armed:
        onsets.append(i / rate * 1000.0)
        armed = False
if len(onsets) != len(grid):
    print("found %d onsets for %d notes" % (len(onsets), len(grid)))
    sys.exit(1)
def report(name, errors):
    e = sorted(abs(x) for x in errors)
    print("%-34s median %.2f ms, 90%% %.2f ms, max %.2f ms (%d notes)" %
          (name, e[len(e) // 2], e[min(len(e) - 1, int(0.9 * len(e)))], e[-1], len(e)))
# Each key's own sample starts after its own delay (the SoundFont's), the
# same every time: that offset is taken out per key.
def against(ref, skip_ms, per_key=True):
    d = [(k if per_key else "", o - r) for o, r, k in zip(onsets, ref, keys) if r >= skip_ms]
    med = {}
    for k in set(k for k, _ in d):
        v = sorted(x for kk, x in d if kk == k)
        med[k] = v[len(v) // 2]
    return [x - med[k] for k, x in d]
report("onset vs grid, all notes:", against(grid, -1))
report("onset vs grid, after 1 s:", against(grid, 1000))
report("onset vs put, after 1 s:", against(puts, 1000))
report("vs grid, one offset for all keys:", against(grid, 1000, False))
lag = [p - g for p, g in zip(puts, grid)]
print("put behind the grid (the waits):  median %.2f ms, max %.2f ms" % (sorted(lag)[len(lag) // 2], max(lag)))
PY
