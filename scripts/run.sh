#!/usr/bin/env bash
# Installs what is missing, builds ZETO and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting ZETO on a virtual X display (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/zeto
fi
exec ./build/zeto
