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
cmake --build "$build"

# Run as installed: the installed program prepares the student's data folder
# itself (copying the given files there when they are missing) and runs there.
stage="$build/stage"
cmake --install "$build" --prefix "$stage" >/dev/null
exec "$stage/bin/sonorix"
