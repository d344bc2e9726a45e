#!/usr/bin/env bash
# The page tests, as the test command runs them after CTest: the npm packages
# from package-lock.json, the page built, then every test file: headless Chromium,
# and WebKit on an X display of its own.
set -euo pipefail
web="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$web"
if [[ ! -f node_modules/.package-lock.json || package-lock.json -nt node_modules/.package-lock.json ]]; then
  npm ci --no-audit --no-fund --loglevel=error
fi
node build.mjs
npx tsc -p .
run() { node --test --test-concurrency=1 --test-timeout=120000 "$@"; }
status=0
mapfile -t files < <(find tests -name '*.test.mjs' ! -name webkit.test.mjs | sort)
run "${files[@]}" || status=$?
# WebKitGTK's web process now and then crashes on a reload ("WebProcess CRASHED"
# in its output, and the driver's session is gone): a fault of the browser, not
# of the page. Its file is then run once more; any other failure stands.
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if ! run tests/webkit.test.mjs 2>&1 | tee "$log"; then
  if grep -q "WebProcess CRASHED" "$log"; then
    echo "WebKit's web process crashed (above); its tests run once more."
    run tests/webkit.test.mjs || status=$?
  else
    status=1
  fi
fi
exit "$status"
