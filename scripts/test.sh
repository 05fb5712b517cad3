#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: a normal build with the
# end-to-end tests, a build under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# audio tests under ThreadSanitizer. Build folders are reused when present.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/scripts/setup.sh"

build() { # folder, then cmake options
  local dir=$root/$1
  shift
  cmake -S "$root" -B "$dir" "$@" > /dev/null
  cmake --build "$dir" -j "$jobs"
}
run_tests() { # folder, then ctest options
  local dir=$root/$1
  shift
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" "$@"
}

echo "== Normal build"
build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_tests build

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
build build-asan -DCMAKE_BUILD_TYPE=Debug -DQUARO_SANITIZE=address,undefined
run_tests build-asan -LE e2e

echo "== ThreadSanitizer (audio)"
build build-tsan -DCMAKE_BUILD_TYPE=Debug -DQUARO_SANITIZE=thread
run_tests build-tsan -L audio

echo "All tests passed."
