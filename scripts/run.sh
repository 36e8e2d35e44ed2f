#!/usr/bin/env bash
# Builds Tessaly and starts it; any arguments name the page to open.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${TESSALY_BUILD_DIR:-$here/build}"
"$here/scripts/build.sh"
# The web engine refuses to start as root with its sandbox on.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
exec "$build/bin/tessaly" "$@"
