#!/usr/bin/env bash
# Installs the Debian packages Sonorix needs to build, run and test, and only
# those that are missing (an installed one is never upgraded on the way).
# Works as root or through sudo.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  libfluidsynth-dev librtmidi-dev libpulse-dev timgm6mb-soundfont
  # The singing pitch tracker (yinfft).
  libaubio-dev
  fonts-dejavu-core
  # Clefs and accidentals of "What I Heard" (FreeSerif).
  fonts-freefont-ttf
  libgtest-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # A class password remembered in the desktop's keyring.
  qtkeychain-qt6-dev
)
# Tests and fuzzing need these too.
if [[ "${1:-}" == "--test" ]]; then
  packages+=(clang libclang-rt-dev python3-mido)
  # The drill played in German; the test generates the locale when missing.
  packages+=(locales)
  # The install tree's and the Debian package's checks.
  packages+=(desktop-file-utils appstream dpkg-dev file)
  # A monospaced font that does not report itself fixed, for the score
  # window's column test.
  packages+=(fonts-noto-mono)
  # The core compiled to WebAssembly and its tests run under Node.
  packages+=(emscripten nodejs googletest)
  # A class folder on a real WebDAV server, started by the tests on localhost.
  packages+=(apache2 apache2-utils)
  # A second, different WebDAV server for the same tests; a certificate nobody trusts for it.
  packages+=(rclone openssl)
fi
# The browser version (scripts/web.sh) and its page tests, which the test
# command runs too: the core's compiler, Node for the page's build, the
# SoundFont it plays, and a browser to test it in.
if [[ "${1:-}" == "--web" || "${1:-}" == "--test" ]]; then
  packages+=(emscripten node-acorn nodejs npm timgm6mb-soundfont chromium)
  # WebKit's leg: its driver and MiniBrowser, an X server for it (it has no
  # headless mode), and Mesa's software GL, without which it does not start there.
  packages+=(webkit2gtk-driver xvfb libgl1-mesa-dri)
  # Unpacking aubio's source, which the page compiles (scripts/fetch-aubio.sh).
  packages+=(bzip2 dpkg-dev debian-archive-keyring)
fi
# Building the Debian package (scripts/package.sh).
if [[ "${1:-}" == "--package" ]]; then
  packages+=(dpkg-dev file)
fi

missing=()
for p in "${packages[@]}"; do
  # Node and npm may come from elsewhere than Debian (a newer npm replaces
  # Debian's); a working command is enough, and Debian's would conflict.
  if [[ "$p" == nodejs ]] && command -v node >/dev/null; then continue; fi
  if [[ "$p" == npm ]] && command -v npm >/dev/null; then continue; fi
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [[ ${#missing[@]} -gt 0 ]]; then
  sudo=()
  if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  # Through env, as sudo would drop the variable.
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The pitch tracker's source, for the page's WebAssembly; fetched once, as
# the user who builds (into their cache), never through the system's apt.
if [[ "${1:-}" == "--web" || "${1:-}" == "--test" ]]; then
  "$(dirname "${BASH_SOURCE[0]}")/fetch-aubio.sh" >/dev/null
fi
