#!/usr/bin/env bash
# The core alone, on both of its other builds: compiled by g++ without Qt,
# and by emscripten and run under Node. Each builds the core and its
# widget-free tests and runs them. Called by scripts/test.sh; the first
# argument, if any, is "native" or "wasm" to run one of them.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
which="${1:-both}"
jobs="$(nproc)"

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

if [[ "$which" == both || "$which" == native ]]; then
  build="$root/build-core"
  if [[ ! -f "$build/build.ninja" ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DSONORIX_CORE_ONLY=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON "${launcher[@]}" >/dev/null
  fi
  cmake --build "$build"
  ctest --test-dir "$build" --output-on-failure --timeout 60 -j "$jobs"
fi

if [[ "$which" == both || "$which" == wasm ]]; then
  build="$root/build-wasm"
  # Debian's emscripten finds its JavaScript modules only through NODE_PATH;
  # its first run builds the system libraries into its cache.
  export NODE_PATH=/usr/share/nodejs
  if [[ ! -f "$build/build.ninja" ]]; then
    # Its toolchain runs the tests with a Node flag that today's Node refuses.
    emcmake cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" "${launcher[@]}" >/dev/null
  fi
  cmake --build "$build"
  ctest --test-dir "$build" --output-on-failure --timeout 60 -j "$jobs"
fi
