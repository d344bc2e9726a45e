#!/usr/bin/env bash
# Installs what is missing, builds Sonorix for the browser into web/dist and
# serves it on localhost, printing the address.
#   scripts/web.sh               build and serve (port 8080, or $SONORIX_WEB_PORT)
#   scripts/web.sh --build-only  only build web/dist, to copy to any static HTTPS host
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/install-deps.sh" --web
cd "$root/web"
# The npm packages exactly as package-lock.json pins them, again only when it changed.
if [[ ! -f node_modules/.package-lock.json || package-lock.json -nt node_modules/.package-lock.json ]]; then
  npm ci --no-audit --no-fund --loglevel=error
fi
node build.mjs
if [[ "${1:-}" == "--build-only" ]]; then
  echo "Built $root/web/dist"
  exit 0
fi
exec node serve.mjs "${SONORIX_WEB_PORT:-8080}"
