#!/usr/bin/env bash
# Installs what is missing, builds, checks the install and the Debian package
# as a packager would, runs every test; then every test again under the
# sanitizers, and each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
bash scripts/check-install.sh build/dev
ctest --preset dev
bash scripts/check-sanitizers.sh
bash scripts/check-fuzz.sh
