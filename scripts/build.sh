#!/usr/bin/env bash
# Configures and builds the program, the command-line tool and the tests in
# build/ (with warnings as errors).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKZ_BUILD_GUI=ON \
  -DKZ_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build -j"$(nproc)"
