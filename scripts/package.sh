#!/usr/bin/env bash
# Builds Sonorix's Debian package from a Release build and installs it, as
# root or through sudo. --build-only stops once the package is built.
# Uses ccache when it is installed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

install=1
case "${1:-}" in
  "") ;;
  --build-only) install=0 ;;
  *) echo "usage: scripts/package.sh [--build-only]" >&2; exit 2 ;;
esac

"$root/scripts/install-deps.sh" --package

build="$root/build-deb"
launchers=()
if command -v ccache >/dev/null; then
  launchers=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSONORIX_TESTS=OFF -DSONORIX_BENCH=OFF \
  "${launchers[@]}" >/dev/null
cmake --build "$build"
rm -f "$build"/sonorix_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/sonorix_*.deb)
deb="${debs[0]}"
echo "Built $deb"
[[ $install -eq 1 ]] || exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
# --reinstall: a package rebuilt with the same version number is installed too.
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall "$deb"
