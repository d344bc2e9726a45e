#!/usr/bin/env bash
# Fetches Debian's source of aubio, the pitch tracker the page compiles to
# WebAssembly (and the desktop may compile natively), and unpacks it once.
# A sources list of its own, in a folder of its own: the system's apt
# configuration is neither read for sources nor changed. Each file is checked
# against the hash in Debian's signed index.
#   scripts/fetch-aubio.sh          prints the unpacked folder
#   SONORIX_AUBIO_DIR=...           where it goes (default: the user's cache)
set -euo pipefail
version=0.4.9
base="${SONORIX_AUBIO_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/sonorix}"
dest="$base/aubio-$version"
# Unpacked before: nothing to do. The marker is written last, so that a fetch
# cut short is made again.
if [[ -f "$dest/.sonorix-fetched" ]]; then
  echo "$dest"
  exit 0
fi

apt_dir="$base/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$apt_dir/parts" "$apt_dir/prefs"
cat >"$apt_dir/sources.list" <<'LIST'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
LIST
opts=(
  -o "Dir::Etc::SourceList=$apt_dir/sources.list"
  -o "Dir::Etc::SourceParts=$apt_dir/parts"
  -o "Dir::Etc::PreferencesParts=$apt_dir/prefs"
  -o "Dir::State::Lists=$apt_dir/lists"
  -o "Dir::Cache=$apt_dir"
  -o "Debug::NoLocking=1"
  # Into a folder of the user's: no change to another account.
  -o "APT::Sandbox::User=$(id -un)"
)
apt-get "${opts[@]}" -qq update >&2
work="$(mktemp -d "$base/aubio-fetch.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# The source package's files, each fetched and checked on its own: a mirror
# may lack Debian's part, and the upstream tarball is then enough.
mapfile -t uris < <(apt-get "${opts[@]}" -qq --print-uris source aubio)
orig="" debian="" dsc=""
for line in "${uris[@]}"; do
  read -r uri file _ hash <<<"$line"
  uri="${uri//\'/}"
  if /usr/lib/apt/apt-helper download-file "$uri" "$work/$file" "$hash" >/dev/null 2>&1; then
    case "$file" in
      *.orig.tar.*[!c]) orig="$file" ;;
      *.debian.tar.*) debian="$file" ;;
      *.dsc) dsc="$file" ;;
    esac
  fi
done
[[ -n "$orig" ]] || { echo "aubio's source could not be fetched from Debian's archive" >&2; exit 1; }
if [[ -n "$dsc" && -n "$debian" ]] && command -v dpkg-source >/dev/null; then
  (cd "$work" && dpkg-source --no-check -x "$dsc" "aubio-$version" >&2)
else
  echo "Debian's patches are not on this mirror: aubio $version as released" >&2
  mkdir -p "$work/aubio-$version"
  tar -xf "$work/$orig" -C "$work/aubio-$version" --strip-components=1
fi
[[ -f "$work/aubio-$version/src/pitch/pitchyinfft.c" ]] || { echo "aubio's source did not unpack" >&2; exit 1; }
rm -rf "$dest"
mv "$work/aubio-$version" "$dest"
touch "$dest/.sonorix-fetched"
echo "$dest"
