#!/usr/bin/env bash
# Sets up a fresh machine, builds the viewer and starts it. Arguments go to the viewer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: starting under xvfb-run (use --screenshot FILE.png to see it)." >&2
  exec xvfb-run -a build/bin/glyphwell "$@"
fi
exec build/bin/glyphwell "$@"
