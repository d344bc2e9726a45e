#!/usr/bin/env bash
# A class folder on Debian's rclone (rclone serve webdav), for the tests: a
# second WebDAV server beside Apache, with Basic authentication.
#
#   class-server-rclone.sh DIR PORT ORIGIN CLASS TEACHER:PASSWORD STUDENT:PASSWORD...
#
# The same arguments as class-server.sh; the class folder is DIR/dav/CLASS.
# rclone knows no rights per account: every account it lets in reads and
# writes the whole class. It sends no CORS headers either, so ORIGIN is
# taken and unused; a page can reach it only from the same origin. Runs in
# the foreground until it gets SIGTERM. With CLASS_TLS=1 it speaks HTTPS with
# a certificate it makes for itself, which nobody trusts.
set -euo pipefail
if [[ $# -lt 5 ]]; then
  echo "usage: $0 DIR PORT ORIGIN CLASS TEACHER:PASSWORD STUDENT:PASSWORD..." >&2
  exit 2
fi
dir="$(cd "$1" && pwd)"
port="$2"
class="$4"
shift 4

mkdir -p "$dir/dav/$class"
: >"$dir/htpasswd"
for account in "$@"; do
  name="${account%%:*}"
  # Bcrypt at its lowest cost: the tests log in hundreds of times.
  htpasswd -b -B -C 4 "$dir/htpasswd" "${name#-}" "${account#*:}" 2>/dev/null
done

# A configuration of its own: nothing of the user's rclone set-up is read.
export RCLONE_CONFIG="$dir/rclone.conf"
: >"$RCLONE_CONFIG"
tls=()
if [[ "${CLASS_TLS:-}" == 1 ]]; then
  openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 -subj /CN=127.0.0.1 \
    -keyout "$dir/key.pem" -out "$dir/cert.pem" 2>/dev/null
  tls=(--cert "$dir/cert.pem" --key "$dir/key.pem")
fi
exec rclone serve webdav "$dir/dav" --addr "127.0.0.1:$port" --htpasswd "$dir/htpasswd" --realm "Sonorix class" \
  --cache-dir "$dir/cache" --log-file "$dir/rclone.log" "${tls[@]}"
