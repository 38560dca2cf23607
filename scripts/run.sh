#!/usr/bin/env bash
# Installs what is missing, builds in Release, and runs the program's main
# job: the application on the house example when a display is available,
# otherwise the command-line tool on it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release

scene=examples/house.vtl
app=./build/release/app/vantrel
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$app" ]; then
    exec "$app" "$scene"
fi

cli=./build/release/cli/vantrel-cli
"$cli" info "$scene"
echo
"$cli" lighting "$scene" --date "21 june" --time 12:00
echo
"$cli" day-report "$scene" --date "21 june"
