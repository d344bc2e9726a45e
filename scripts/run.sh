#!/usr/bin/env bash
# Installs what is missing, builds Sonorix in Release and starts it in the
# student's data folder, where it keeps its files.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/install-deps.sh"

build="$root/build-release"
if [[ ! -f "$build/build.ninja" ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSONORIX_TESTS=OFF -DSONORIX_BENCH=OFF >/dev/null
fi
cmake --build "$build" --target sonorix Midiway

# Sonorix opens its data files by bare names in its working directory.
data="${XDG_DATA_HOME:-$HOME/.local/share}/sonorix"
mkdir -p "$data"
for f in ftclass.dat readme.txt; do
  [[ -e "$data/$f" ]] || cp "$root/data/$f" "$data/$f"
done
cd "$data"
exec "$build/bin/sonorix"
