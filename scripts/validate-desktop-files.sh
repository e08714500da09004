#!/usr/bin/env bash
# Validates the desktop entry, the AppStream metainfo file (offline) and the manual page as
# configured in a build: scripts/validate-desktop-files.sh [BUILD_DIR/resources/desktop]
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build/resources/desktop}
desktop-file-validate "$folder"/*.desktop
appstreamcli validate --no-net "$folder"/*.metainfo.xml
# man prints its formatter's warnings on stderr; any warning is a fault of the page.
warnings=$(man --warnings -l "$folder/glyphwell.1" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
  echo "$warnings" >&2
  exit 1
fi
echo "Desktop entry, metainfo and manual page are valid"
