#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test headless; then the core
# alone, built without Qt and with emscripten.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/install-deps.sh" --test

build="$root/build-test"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
if [[ ! -f "$build/build.ninja" ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSONORIX_SANITIZE=ON "${launcher[@]}" >/dev/null
fi
export QT_QPA_PLATFORM=offscreen
cmake --build "$build"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
ctest --test-dir "$build" --output-on-failure --timeout 60 -j "$(nproc)" || status=$?

# The core alone: without Qt, and in WebAssembly under Node.
"$root/scripts/test-core.sh" || status=$?

# The browser version's page tests, in headless Chromium; the export test
# hands its folder to this build's class reader.
echo "Page tests (web/):"
SONORIX_BUILD_DIR="$build" "$root/web/tests/run.sh" || status=$?
exit "$status"
