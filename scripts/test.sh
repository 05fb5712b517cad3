#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the normal build on SDL 2 and the
# classic build on SDL 1.2, each with the end-to-end tests (valgrind's memcheck among them);
# on SDL 2 a build under AddressSanitizer and UndefinedBehaviorSanitizer, the audio tests under
# ThreadSanitizer, and the loaders of the high-score table, of recorded runs and of saved-game
# files and the browser build's picture and sound decoders under libFuzzer, each for
# QUARO_FUZZ_SECONDS (20 by default, 80 seconds in all); and the browser build played in
# headless Chromium. Build folders are reused.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/scripts/setup.sh" --test

build() { # folder, then cmake options; QUARO_TARGETS limits what is built
  local dir=$root/$1
  shift
  cmake -S "$root" -B "$dir" "$@" > /dev/null
  # shellcheck disable=SC2086
  cmake --build "$dir" -j "$jobs" ${QUARO_TARGETS:+--target $QUARO_TARGETS}
}
run_tests() { # folder, then ctest options
  local dir=$root/$1
  shift
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" "$@"
}

echo "== Normal build (SDL 2)"
build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARO_SDL=2
run_tests build

echo "== Classic build (SDL 1.2)"
build build-sdl1 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARO_SDL=1
run_tests build-sdl1

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
build build-asan -DCMAKE_BUILD_TYPE=Debug -DQUARO_SANITIZE=address,undefined -DQUARO_SDL=2
run_tests build-asan -LE e2e

echo "== ThreadSanitizer (audio)"
QUARO_TARGETS="kuAudioTest kuAudioAllocTest" \
  build build-tsan -DCMAKE_BUILD_TYPE=Debug -DQUARO_SANITIZE=thread -DQUARO_SDL=2
run_tests build-tsan -L audio

echo "== The browser build in headless Chromium"
"$root/scripts/web.sh" --test

echo "== Fuzzing the loaders of the table, of recorded runs, of saved games and of the settings, and the browser's decoders"
cmake -S "$root" -B "$root/build-fuzz" -DQUARO_FUZZ=ON -DQUARO_SDL=2 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ > /dev/null
cmake --build "$root/build-fuzz" -j "$jobs"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
fuzz() { # fuzzer, then the folder of its committed corpus
  rm -rf "${corpus:?}"/*
  cp "$2"/* "$corpus"
  if ! "$root/build-fuzz/$1" -max_total_time="${QUARO_FUZZ_SECONDS:-20}" \
    -artifact_prefix="$root/build-fuzz/" "$corpus" > "$root/build-fuzz/$1.log" 2>&1; then
    tail -40 "$root/build-fuzz/$1.log"
    echo "$1 found a failing input; it is kept in build-fuzz/."
    exit 1
  fi
  tail -1 "$root/build-fuzz/$1.log"
}
fuzz highScoreFuzzer "$root/tests/fuzz/corpus"
fuzz recordingFuzzer "$root/tests/fuzz/recordingCorpus"
fuzz saveArchiveFuzzer "$root/tests/fuzz/saveArchiveCorpus"
fuzz settingsFuzzer "$root/tests/fuzz/settingsCorpus"
fuzz mediaCodecsFuzzer "$root/tests/fuzz/media-corpus"

echo "All tests passed."
