#!/usr/bin/env bash
# Sets up, builds and runs every test: a short fuzzing run of the file
# readers, the Qt-free tests under AddressSanitizer and
# UndefinedBehaviorSanitizer without Qt, and finally the whole build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

echo "== fuzzing the file readers"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DKZ_FUZZ=ON -DKZ_BUILD_GUI=OFF -DKZ_BUILD_TESTS=OFF \
  -DKZ_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_read_data fuzz_decipher_read fuzz_json
fuzz/run.sh build-fuzz "${KZ_FUZZ_SECONDS:-30}"

echo "== Qt-free tests under the sanitizers"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKZ_SANITIZE=ON \
  -DKZ_BUILD_GUI=OFF -DKZ_BUILD_BENCH=OFF -DKZ_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest -j"$jobs" --output-on-failure)

echo "== all tests"
scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest -j"$jobs" --output-on-failure)
