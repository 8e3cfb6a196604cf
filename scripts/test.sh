#!/usr/bin/env bash
# Installs what is missing, builds Topband (and its benchmarks, which are not run) and runs every test.
# With --sanitize the build and the tests run under the address and undefined-behaviour sanitizers.
source "$(dirname "$0")/common.sh"
install_missing_packages
folder="$TOPBAND_SOURCE/build"
options=(-DTOPBAND_BENCH=ON)
if [ "${1:-}" = "--sanitize" ]; then
  folder="$TOPBAND_SOURCE/build-sanitize"
  options+=(-DTOPBAND_SANITIZE=ON)
fi
build "$folder" "${options[@]}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$folder" --output-on-failure --parallel "$(nproc)" --timeout 300
