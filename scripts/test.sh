#!/usr/bin/env bash
# Builds Tessaly and runs every test, without a display.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${TESSALY_BUILD_DIR:-$here/build}"
"$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 180 "$@"
