#!/usr/bin/env bash
# Installs what is missing, builds in Release, and runs the program's main job.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
./build/release/tools/vantrel-kernel-demo
