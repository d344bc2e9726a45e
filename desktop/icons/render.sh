#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (needs librsvg2-bin).
# The PNGs are kept in the repository, so building needs no SVG renderer.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for size in 48 128 192 256 512; do
  rsvg-convert -w "$size" -h "$size" org.sonorix.sonorix.svg -o "org.sonorix.sonorix-$size.png"
done
