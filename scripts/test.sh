#!/usr/bin/env bash
# Installs what is missing, builds, checks the install and the Debian package
# as a packager would, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
bash scripts/check-install.sh build/dev
ctest --preset dev
