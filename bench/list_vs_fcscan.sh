#!/usr/bin/env bash
# Whole process against whole process: `glyphwell list --mode installed` over a folder of
# 5,000 font files that fontconfig knows, against `fc-scan` of the same files.
# Usage: bench/list_vs_fcscan.sh [GLYPHWELL] [CORPUS_DIR] [RUNS]
# The corpus is the one catalogue_bench makes (copies of the fonts-dejavu-core files); it is
# made here when missing. fontconfig's configuration and cache live in a temporary folder, so
# the user's own fonts and cache stay out of it.
set -euo pipefail
glyphwell="${1:-build/bin/glyphwell}"
corpus="${2:-/tmp/gw-bench-corpus/all}"
runs="${3:-5}"
count=5000

core=(DejaVuSans.ttf DejaVuSans-Bold.ttf DejaVuSansMono.ttf DejaVuSansMono-Bold.ttf
      DejaVuSerif.ttf DejaVuSerif-Bold.ttf)
mkdir -p "$corpus"
for ((i = 0; i < count; i++)); do
    name="${core[i % ${#core[@]}]}"
    copy="$corpus/$((100000 + i))-$name"
    [[ -e "$copy" ]] || cp "/usr/share/fonts/truetype/dejavu/$name" "$copy"
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/data/fonts" "$work/cache"
cat > "$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$corpus</dir>
  <cachedir>$work/cache</cachedir>
</fontconfig>
CONF
export FONTCONFIG_FILE="$work/fonts.conf" HOME="$work" XDG_DATA_HOME="$work/data"
unset DISPLAY WAYLAND_DISPLAY

list() { "$glyphwell" list --mode installed --home "$work/home" > "$work/list.txt"; }
scan() { fc-scan "$corpus" > "$work/scan.txt"; }

# One run each first: fontconfig's cache for the list (as an installed system has it ready),
# and a warm page cache for both.
list
scan
echo "records listed: $(wc -l < "$work/list.txt"), faces scanned: $(grep -c '^Pattern' "$work/scan.txt")"

seconds() {
    local start end
    start=$(date +%s.%N)
    for ((r = 0; r < runs; r++)); do "$1"; done
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" -v n="$runs" 'BEGIN { print (e - s) / n }'
}
list_s=$(seconds list)
scan_s=$(seconds scan)
awk -v l="$list_s" -v s="$scan_s" -v n="$count" 'BEGIN {
    printf "glyphwell list --mode installed: %.3f s per run (%.1f us per file)\n", l, l * 1e6 / n
    printf "fc-scan:                         %.3f s per run (%.1f us per file)\n", s, s * 1e6 / n
    printf "fc-scan / glyphwell list:        %.1fx\n", s / l
}'
