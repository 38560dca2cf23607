#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (the
# asan preset) and runs every test under them: any report aborts its test
# program and fails the run. Uses ccache when it is installed.
set -euo pipefail
cd "$(dirname "$0")/.."

launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake --preset asan "${launcher[@]}"
cmake --build --preset asan
ctest --preset asan
