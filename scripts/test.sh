#!/usr/bin/env bash
# Builds Tessaly and runs every test, without a display; then builds the tests of the
# surface's waits, their teardown and the engine's restart with the address and
# undefined-behaviour sanitizers in a build folder of their own and runs them again
# (TESSALY_SANITIZE=0 leaves that out; the whole suite so built takes too long for CI).
# Arguments go to both ctest runs.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${TESSALY_BUILD_DIR:-$here/build}"
"$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
(cd "$build" && ctest --output-on-failure --parallel "$(nproc)" --timeout 180 "$@")

if [ "${TESSALY_SANITIZE:-1}" != 0 ]; then
    sanitized="${TESSALY_SANITIZE_BUILD_DIR:-$build-sanitize}"
    cmake -S "$here" -B "$sanitized" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTESSALY_SANITIZE=ON -DTESSALY_BUILD_BENCH=OFF >/dev/null
    cmake --build "$sanitized" --parallel "$(nproc)" --target tests_core tests_platform
    waits='^(CommandOrder|SurfaceClosed|SkippedFailure)\.|^Surface\.(ARenderProcess|ALoadThat|APageThatStops)'
    (cd "$sanitized" && ctest --output-on-failure --parallel "$(nproc)" --timeout 360 -R "$waits" "$@")
fi
