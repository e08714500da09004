#!/usr/bin/env bash
# Whole process against whole process: `glyphwell list --mode installed` over a folder of
# 5,000 font files that fontconfig knows, against `fc-scan` of the same files, twice:
#   TrueType:  5,000 copies of the fonts-dejavu-core files, "OpenType" off (the default);
#   OpenType:  "OpenType" on, over 4,000 of those TrueType files, 992 OpenType fonts with
#              PostScript outlines (.otf, written by write_opentype_fonts) and the four Noto
#              CJK collections (fonts-noto-cjk, 10 faces each) once as ".ttc" and once as ".otc".
# Usage: bench/list_vs_fcscan.sh [GLYPHWELL] [CORPUS_DIR] [RUNS] [WRITE_OPENTYPE_FONTS]
# The corpora are made once under CORPUS_DIR's parent when missing (the OpenType one from hard
# links, so it costs little room). fontconfig's configuration and cache live in a temporary
# folder, so the user's own fonts and cache stay out of it.
set -euo pipefail
glyphwell="${1:-build/bin/glyphwell}"
corpus="${2:-/tmp/gw-bench-corpus/all}"
runs="${3:-5}"
writer="${4:-$(dirname "$glyphwell")/../bench/write_opentype_fonts}"
count=5000
mixed="$(dirname "$corpus")/opentype"
cjk=/usr/share/fonts/opentype/noto

core=(DejaVuSans.ttf DejaVuSans-Bold.ttf DejaVuSansMono.ttf DejaVuSansMono-Bold.ttf
      DejaVuSerif.ttf DejaVuSerif-Bold.ttf)
mkdir -p "$corpus"
for ((i = 0; i < count; i++)); do
    name="${core[i % ${#core[@]}]}"
    copy="$corpus/$((100000 + i))-$name"
    [[ -e "$copy" ]] || cp "/usr/share/fonts/truetype/dejavu/$name" "$copy"
done

make_mixed() {
    [[ -e "$mixed.done" ]] && return
    rm -rf "$mixed"
    mkdir -p "$mixed"
    local files=("$corpus"/*)
    for ((i = 0; i < 4000; i++)); do ln "${files[i]}" "$mixed/"; done
    "$writer" "$mixed" 992
    for ttc in "$cjk"/NotoSansCJK-Regular.ttc "$cjk"/NotoSansCJK-Bold.ttc \
               "$cjk"/NotoSerifCJK-Regular.ttc "$cjk"/NotoSerifCJK-Bold.ttc; do
        local stem
        stem="$(basename "$ttc" .ttc)"
        ln -s "$ttc" "$mixed/$stem.ttc"
        ln -s "$ttc" "$mixed/$stem.otc"
    done
    touch "$mixed.done"
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export HOME="$work" XDG_DATA_HOME="$work/data"
unset DISPLAY WAYLAND_DISPLAY

# compare LABEL FOLDER OPENTYPE: one run each first (fontconfig's cache for the list, as an
# installed system has it ready, and a warm page cache for both), then RUNS timed runs each.
compare() {
    local label="$1" folder="$2" opentype="$3" here="$work/$1"
    mkdir -p "$here/home" "$here/cache"
    printf '[Option]\nOpenType=%s\n' "$opentype" > "$here/home/glyphwell.ini"
    cat > "$here/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$folder</dir>
  <cachedir>$here/cache</cachedir>
</fontconfig>
CONF
    export FONTCONFIG_FILE="$here/fonts.conf"
    list() { "$glyphwell" list --mode installed --home "$here/home" > "$here/list.txt"; }
    scan() { fc-scan "$folder" > "$here/scan.txt"; }
    list
    scan
    echo "$label (OpenType=$opentype): files $(find "$folder" -mindepth 1 | wc -l)," \
         "records listed $(wc -l < "$here/list.txt"), faces scanned $(grep -c '^Pattern' "$here/scan.txt")"
    local list_s scan_s
    list_s=$(seconds list)
    scan_s=$(seconds scan)
    awk -v l="$list_s" -v s="$scan_s" -v n="$count" 'BEGIN {
        printf "  glyphwell list --mode installed: %.3f s per run (%.1f us per file)\n", l, l * 1e6 / n
        printf "  fc-scan:                         %.3f s per run (%.1f us per file)\n", s, s * 1e6 / n
        printf "  fc-scan / glyphwell list:        %.1fx\n", s / l
    }'
}

seconds() {
    local start end
    start=$(date +%s.%N)
    for ((r = 0; r < runs; r++)); do "$1"; done
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" -v n="$runs" 'BEGIN { print (e - s) / n }'
}

compare TrueType "$corpus" 0
if [[ -x "$writer" && -e "$cjk/NotoSansCJK-Regular.ttc" ]]; then
    make_mixed
    compare OpenType "$mixed" 1
else
    echo "OpenType: skipped (needs $writer and fonts-noto-cjk)"
fi
