#!/usr/bin/env bash
# Installs what is missing, checks the formatting, then builds and runs every test in three builds,
# each in a folder of its own and with warnings as errors:
#   main      build/           the windows and the program; the benchmarks are built, not run
#   headless  build-headless/  the headless logic alone (TOPBAND_WINDOWS=OFF)
#   sanitize  build-sanitize/  under the address and undefined-behaviour sanitizers, unoptimised with
#                              assertions on (it compiles in less than half the time; the other two
#                              builds see the warnings that need the optimiser)
# Name steps to run only those (format, main, headless, sanitize); `quick` is the main build alone
# and `--sanitize` another name for sanitize.
source "$(dirname "$0")/common.sh"

steps=("$@")
[ ${#steps[@]} -eq 0 ] && steps=(format main headless sanitize)
for step in "${steps[@]}"; do
  case $step in
    format | main | quick | headless | sanitize | --sanitize) ;;
    *) echo "Unknown step '$step': give format, main, headless, sanitize or quick." >&2; exit 2 ;;
  esac
done

# build_and_test FOLDER [cmake options...]
build_and_test() {
  local folder=$TOPBAND_SOURCE/$1
  shift
  build "$folder" -DTOPBAND_WERROR=ON -DTOPBAND_TESTS=ON "$@"
  ctest --test-dir "$folder" --output-on-failure --parallel "$(nproc)" --timeout 300
}

install_missing_packages
export QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1
started=$SECONDS
for step in "${steps[@]}"; do
  step_started=$SECONDS
  case $step in
    format) "$TOPBAND_SOURCE/scripts/check_format.sh" ;;
    main | quick) build_and_test build -DTOPBAND_WINDOWS=ON -DTOPBAND_SANITIZE=OFF -DTOPBAND_BENCH=ON ;;
    headless) build_and_test build-headless -DTOPBAND_WINDOWS=OFF -DTOPBAND_SANITIZE=OFF -DTOPBAND_BENCH=OFF ;;
    sanitize | --sanitize)
      build_and_test build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTOPBAND_WINDOWS=ON -DTOPBAND_SANITIZE=ON -DTOPBAND_BENCH=OFF ;;
  esac
  echo "== $step passed in $((SECONDS - step_started)) s"
done
echo "== all passed in $((SECONDS - started)) s: ${steps[*]}"
