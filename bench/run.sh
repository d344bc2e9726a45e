#!/bin/sh
# Runs every benchmark of a Release build and prints one table of their
# figures beside their goals. Run by hand, on an otherwise idle machine:
#   bench/run.sh [build folder] [more benchmarks' names...]
# The build folder (build-rel by default) needs the benchmark targets built
# (ninja -C build-rel drill_bench keyboard_bench midiway_bench practice_bench
# progress_bench class_bench smfplay_bench class_send_bench assign_bench). class_send_bench
# needs apache2, as the tests do. The PulseAudio figure runs too
# when pulseaudio and parec are installed; set BENCH_SKIP_PULSE=1 to leave it out.
# Exit status: 0 when every figure meets its goal.
set -u
# The class view's benchmark opens a window; no display is needed.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build-rel}
out=$(mktemp -d /tmp/bench-run.XXXXXX)
trap 'rm -rf "$out"' EXIT INT TERM

run() {  # name, command...
  name=$1
  shift
  printf 'running %s ...\n' "$name" >&2
  if "$@" > "$out/$name.txt" 2> "$out/$name.err"; then :; fi
  if ! grep -q '^FIGURE' "$out/$name.txt"; then
    last=$(tail -n 1 "$out/$name.err" "$out/$name.txt" 2>/dev/null | grep -v '^==>' | grep . | tail -n 1)
    printf 'FIGURE\t%s: no figure (%s)\t-\t-\tMISSED\n' "$name" "${last:-did not run}" >> "$out/$name.txt"
  fi
}

for bench in drill_bench keyboard_bench midiway_bench practice_bench progress_bench class_bench smfplay_bench class_send_bench assign_bench; do
  if [ -x "$build/bin/$bench" ]; then
    (cd "$build" && run "$bench" "bin/$bench")
  else
    printf 'FIGURE\t%s: not built\t-\t-\tMISSED\n' "$bench" > "$out/$bench.txt"
  fi
done
if [ -z "${BENCH_SKIP_PULSE:-}" ]; then
  run pulse_figure "$here/pulse_figure.sh" "$build" 20
fi

printf '\n%-62s %-16s %-18s %s\n' "figure" "measured" "goal" ""
cat "$out"/*.txt | awk -F '\t' '$1 == "FIGURE" { printf "%-62s %-16s %-18s %s\n", $2, $3, $4, $5; if ($5 != "met") bad = 1 }
  END { exit bad }'
