#!/usr/bin/env bash
# Installs the program into a temporary root and uses it from there.
# Usage: install_test.sh prefix|package BUILD_DIR APP_ID "ICON SIZES"
#   prefix   cmake --install with --prefix (installing from source)
#   package  the Debian package cpack makes, unpacked with dpkg-deb -x
# Checks the installed layout (executable, help pages, desktop entry, icons, metainfo, manual
# page), runs `glyphwell list` from there with a sandbox --home, and checks that the
# installed program, run without --home, keeps its files in ~/.config/glyphwell although it
# may write to its own bin/ (as root may), also when the viewer opens a font file.
set -euo pipefail

mode=$1
build_dir=$2
app_id=$3
icon_sizes=$4

root=$(mktemp -d /tmp/gw-install-test.XXXXXX)
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

case "$mode" in
  prefix)
    prefix="$root/opt/glyphwell"
    cmake --install "$build_dir" --prefix "$prefix" >/dev/null
    ;;
  package)
    cpack --config "$build_dir/CPackConfig.cmake" -B "$root/out" >/dev/null
    debs=("$root"/out/*.deb)
    [ -f "${debs[0]}" ] || { echo "FAILED: cpack made no package" >&2; exit 1; }
    depends=$(dpkg-deb -f "${debs[0]}" Depends)
    for library in libqt6widgets6 libfontconfig1 libfreetype6 libc6; do
      grep -q "$library" <<<"$depends" || fail "the package does not depend on $library: $depends"
    done
    dpkg-deb -x "${debs[0]}" "$root/tree"
    prefix="$root/tree/usr"
    ;;
  *)
    echo "usage: install_test.sh prefix|package BUILD_DIR APP_ID \"ICON SIZES\"" >&2
    exit 2
    ;;
esac

expect_file() {
  [ -f "$prefix/$1" ] || fail "missing $1"
}

[ -x "$prefix/bin/glyphwell" ] || fail "missing bin/glyphwell"
expect_file share/glyphwell/help/help.html
expect_file share/glyphwell/help/shortcut.html
expect_file "share/applications/$app_id.desktop"
expect_file "share/metainfo/$app_id.metainfo.xml"
expect_file share/man/man1/glyphwell.1.gz
expect_file "share/icons/hicolor/scalable/apps/$app_id.svg"

# Each PNG icon is as large as the folder it sits in says (width and height at bytes 16-23).
for size in $icon_sizes; do
  icon="share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  expect_file "$icon"
  if [ -f "$prefix/$icon" ]; then
    read -r width height < <(od -An -tu1 -j16 -N8 "$prefix/$icon" |
      awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$width x $height" = "$size x $size" ] || fail "$icon is $width x $height"
  fi
done

# The desktop entry names the installed icon and the executable; the metainfo its entry.
entry="$prefix/share/applications/$app_id.desktop"
if [ -f "$entry" ]; then
  grep -qx "Icon=$app_id" "$entry" || fail "the desktop entry does not name the icon $app_id"
  grep -qx 'Exec=glyphwell %F' "$entry" || fail "the desktop entry does not pass its files to glyphwell"
  grep -q '^MimeType=.*font/ttf;' "$entry" || fail "the desktop entry opens no TrueType fonts"
fi
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
  "$prefix/share/metainfo/$app_id.metainfo.xml" 2>/dev/null ||
  fail "the metainfo file does not launch $app_id.desktop"
man -l "$prefix/share/man/man1/glyphwell.1.gz" 2>/dev/null | grep -q "glyphwell list" ||
  fail "the manual page does not read"

# A folder with one real font and one broken file, listed by the installed program.
fonts="$root/fonts"
mkdir -p "$fonts" "$root/home"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$fonts/"
printf 'not a font' >"$fonts/broken.ttf"
run_installed() {
  timeout 300 env -u XDG_CONFIG_HOME HOME="$root/home" XDG_DATA_HOME="$root/home/.local/share" \
    QT_QPA_PLATFORM=offscreen "$prefix/bin/glyphwell" "$@"
}

listing=$(run_installed list --home "$root/sandbox" "$fonts" 2>/dev/null) ||
  fail "glyphwell list --home failed"
grep -q "^DejaVu Sans	$fonts/DejaVuSans.ttf	0	" <<<"$listing" ||
  fail "glyphwell list did not list DejaVu Sans: $listing"

# Without --home the settings come from ~/.config/glyphwell (the stored folder is listed) and
# the error log of the load goes there, not beside the executable.
config="$root/home/.config/glyphwell"
mkdir -p "$config"
printf '[Folders]\r\nFolder1=%s\r\n' "$fonts" >"$config/glyphwell.ini"
listing=$(run_installed list --mode folders 2>/dev/null) ||
  fail "glyphwell list without --home failed"
grep -q "^DejaVu Sans	" <<<"$listing" ||
  fail "the installed program did not read its settings from ~/.config/glyphwell: $listing"
[ -f "$config/error.log" ] || fail "the installed program wrote no error.log to ~/.config/glyphwell"
[ ! -e "$prefix/bin/error.log" ] || fail "the installed program wrote beside its executable"

# The viewer as the desktop entry starts it on a font the file manager opens (Exec=glyphwell
# %F), without --home: it takes the file, and its window has the size stored in
# ~/.config/glyphwell. The stored folder mode keeps the system's fonts out of the run, and the
# folder opened holds no broken file, which the viewer would stop to report. The window
# libraries' own start-up allocations are no leaks of the program.
mkdir -p "$root/opened"
cp "$fonts/DejaVuSans.ttf" "$root/opened/"
printf '[Window]\r\nMain=0,10,10,640,480\r\n[Option]\r\nViewMode=2\r\n' >"$config/glyphwell.ini"
ASAN_OPTIONS=detect_leaks=0 run_installed --screenshot "$root/shot.png" \
  "$root/opened/DejaVuSans.ttf" >/dev/null 2>&1 || fail "the installed viewer did not open a font file"
read -r width height < <(od -An -tu1 -j16 -N8 "$root/shot.png" 2>/dev/null |
  awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
[ "${width:-0} x ${height:-0}" = "640 x 480" ] ||
  fail "the installed viewer did not take its window from ~/.config/glyphwell: ${width:-0} x ${height:-0}"

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "Installed ($mode) and listed from $prefix"
