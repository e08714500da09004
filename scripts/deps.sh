#!/usr/bin/env bash
# Installs the Debian packages a task needs. Usage: scripts/deps.sh [GROUP ...]
#   build   (the default) the build, the tests, the benchmarks, the checks of the desktop
#           files and the package, and the code checks (clang-format, clang-tidy)
#   fuzz    clang and its libFuzzer runtime, for scripts/fuzz.sh only
#   icons   the SVG renderer, for scripts/render-icons.sh only
# Skips apt-get entirely when everything is present already.
set -euo pipefail

build_packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libfontconfig-dev libfreetype-dev fontconfig
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 xvfb xauth
  appstream desktop-file-utils dpkg-dev file
  clang-format clang-tidy
)
fuzz_packages=(clang libclang-rt-14-dev)
icons_packages=(librsvg2-bin)

packages=()
for group in "${@:-build}"; do
  case "$group" in
    build) packages+=("${build_packages[@]}") ;;
    fuzz) packages+=("${fuzz_packages[@]}") ;;
    icons) packages+=("${icons_packages[@]}") ;;
    *) echo "Unknown package group: $group (build, fuzz, icons)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
