#!/bin/sh
# The drill's figure through PulseAudio, as a student hears it: midiway_bench
# --figure plays it on the built-in synthesizer through a private PulseAudio
# server into a null sink, parec records the sink, and the onsets found in the
# recording are compared with the figure's 250/500 ms grid. Run by hand (needs
# pulseaudio and pulseaudio-utils):
#   bench/pulse_figure.sh [build folder] [figures]
# Prints the onset error against the grid, with the constant offset (the
# output's latency and each key's own sample delay) taken out: for all notes,
# and for those after the first second (once the stream runs). Then the same
# with the recorder's clock rate taken out too, and for the figures during
# which the server saw no underrun of the player's stream (counted apart).
#   PULSE_FIGURE_WARMUP   seconds between the open and the first figure (1.5)
#   PULSE_FIGURE_SINK     more arguments for the null sink (e.g. norewinds=1)
#   MIDIWAY_AUDIO_LATENCY_MS  the player's first buffer (240 ms; it grows after an underrun)
#   PULSE_LATENCY_MSEC    libpulse's own: the player's buffer, overriding the above
set -eu
build=${1:-build-rel}
figures=${2:-20}
warmup=${PULSE_FIGURE_WARMUP:-1.5}
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
load-module module-null-sink sink_name=figure rate=44100 channels=2 ${PULSE_FIGURE_SINK:-}
set-default-sink figure
PA
export PULSE_SERVER="unix:$dir/native" PULSE_RUNTIME_PATH="$dir" HOME="$dir"
# Debug messages with times: the server's underruns are found in them.
$rt pulseaudio -n -F "$dir/default.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  --disallow-exit --log-level=debug --log-time=1 --log-target=file:"$dir/server.log" 2>/dev/null &
server=$!
i=0
until pactl info >/dev/null 2>&1; do
  i=$((i + 1)); [ $i -lt 50 ] || { echo "PulseAudio did not start:" >&2; cat "$dir/server.log" >&2; exit 1; }
  sleep 0.1
done

$rt parec -d figure.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=100 > "$dir/figure.raw" &
recorder=$!
sleep 0.5
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
MIDIWAY_AUDIO_DRIVER=pulseaudio $rt "$bench" --figure "$figures" "$warmup" > "$dir/puts.txt"
load_after=$(cut -d' ' -f1-3 /proc/loadavg)
sleep 0.5
kill "$recorder"; wait "$recorder" 2>/dev/null || true
recorder=""
echo "load average before: $load_before, after: $load_after"

/usr/bin/python3 - "$dir/figure.raw" "$dir/puts.txt" "$dir/server.log" <<'PY'
import array, re, sys
samples = array.array("h")
with open(sys.argv[1], "rb") as f:
    samples.frombytes(f.read())
rate = 44100.0
puts, grid, keys = [], [], []
opened = first = None
for line in open(sys.argv[2]):
    w = line.split()
    if w and w[0] == "put":
        puts.append(float(w[1])); grid.append(float(w[3])); keys.append(w[5])
    elif w and w[0] == "open":
        opened, first = float(w[1]), float(w[3])
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

# The recorder counts the null sink's frames, and the null sink's timer does
# not keep the steady clock's rate: here 300 to 900 ppm fast, the more the
# shorter the player's buffer (it counts its blocks in whole microseconds).
# That rate (per key's onsets against the grid, the median of pairwise
# slopes) is taken out, and shown.
def slope(pairs):
    s = sorted((o2 - o1) / (g2 - g1) for i, (g1, o1, k1) in enumerate(pairs)
               for (g2, o2, k2) in pairs[i + 1:] if k1 == k2 and g2 - g1 > 1000)
    return s[len(s) // 2] if s else 1.0
rate_of = slope(list(zip(grid, onsets, keys)))
print("recorder's clock against the player's: %+.0f ppm (taken out below)" % ((rate_of - 1) * 1e6))
scaled = [o / rate_of for o in onsets]
def against_scaled(skip_ms, keep=lambda i: True):
    d = [(k, o - g) for i, (o, g, k) in enumerate(zip(scaled, grid, keys)) if g >= skip_ms]
    med = {}
    for k in set(k for k, _ in d):
        v = sorted(x for kk, x in d if kk == k)
        med[k] = v[len(v) // 2]
    return [x - med[k] for i, (k, x) in enumerate((k, o - g) for o, g, k in zip(scaled, grid, keys))
            if grid[i] >= skip_ms and keep(i)]
report("rate out, all notes:", against_scaled(-1))
report("rate out, after 1 s:", against_scaled(1000))
def figure(what, value, unit, goal):
    print("FIGURE\t%s\t%.2f %s\t<= %.2f %s\t%s" % (what, value, unit, goal, unit, "met" if value <= goal else "MISSED"))
figure("PulseAudio figure onsets off the grid after 1 s, worst", max(abs(x) for x in against_scaled(1000)), "ms", 1.5)

for line in open(sys.argv[2]):
    w = line.split()
    if w and w[0] == "cpu":
        print("player's CPU while playing:        %.1f %% of a core" % (100.0 * float(w[1]) / float(w[3])))

# Underruns of the player's stream, in ms from the first put: the server's
# log times count from its start; its stream's creation is matched to the
# moment OpenMidiOut returned.
created, underruns = None, []
for line in open(sys.argv[3], errors="replace"):
    m = re.match(r"\(\s*([0-9.]+)\|", line)
    if not m:
        continue
    t = float(m.group(1)) * 1000.0
    if "Created input" in line and "FluidSynth" in line:
        created, underruns = t, []  # the probe's stream came first
    elif "nderrun of" in line and "FluidSynth" in line and created is not None:
        underruns.append(t)
if created is None or opened is None:
    print("underruns: the server's log does not show the player's stream")
    print("FIGURE\tPulseAudio underruns in %d figures: not seen in the server's log\t-\t<= 0\tMISSED" % (len(grid) // 3))
    sys.exit(0)
shift = (opened - first) * 1000.0 - created
during = [u + shift for u in underruns if u + shift >= -1000.0 * 0.5]
figure_of = [i // 3 for i in range(len(grid))]
spans = {}
for i, f in enumerate(figure_of):
    lo, hi = spans.get(f, (grid[i], grid[i]))
    spans[f] = (min(lo, grid[i]), max(hi, grid[i]))
# A figure is spoilt by an underrun from 100 ms before its first note to
# 150 ms after its last (the note's length).
spoilt = {f for f, (lo, hi) in spans.items() if any(lo - 100 <= u <= hi + 150 for u in during)}
print("underruns of the player's stream: %d from the warm-up's last half second on, %d before the figures; "
      "%d of %d figures had one" % (len(during), sum(1 for u in during if u < -100), len(spoilt), len(spans)))
figure("PulseAudio underruns in %d figures" % len(spans), len(during), "", 0)
clean = against_scaled(1000, lambda i: figure_of[i] not in spoilt)
if clean:
    report("rate out, after 1 s, no underrun:", clean)
lag = [p - g for p, g in zip(puts, grid)]
print("put behind the grid (the waits):  median %.2f ms, max %.2f ms" % (sorted(lag)[len(lag) // 2], max(lag)))
PY
