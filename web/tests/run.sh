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
node --test --test-concurrency=1 --test-timeout=120000 tests/
